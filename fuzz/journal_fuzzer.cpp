// SPDX-License-Identifier: GPL-3.0-or-later
// The storm journal reader on any text: no crash, and a journal it accepts
// names only the storm's own files and writes back to the same journal.
#include "FuzzInput.h"
#include "core/storm/RouteInspection.h"
#include "core/storm/StormJournal.h"
#include "platform/FileNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto journal = storm::StormJournal::parse(text);
    if (!journal) return 0;
    FUZZ_CHECK(storm::isAcceptableRouteName(journal->record.route));
    for (const std::string& name : journal->record.rainEnvNames)
        FUZZ_CHECK(platform::isSingleEntryName(name));
    const auto again = journal->toText();
    // A journal of the former format (no location) is read but never written.
    if (journal->simulatorLocation.empty()) {
        FUZZ_CHECK(!again);
        return 0;
    }
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(storm::StormJournal::parse(*again) == journal);
    return 0;
}
