// SPDX-License-Identifier: GPL-3.0-or-later
// A language file through loading and the message formatter: a text the
// main window reads, formatted as a message, and the file's identity.
// Input: one byte that picks the text, then the language file's bytes.
#include "FuzzInput.h"
#include "core/language/LanguageFiles.h"
#include "core/language/MainTextTable.h"
#include "core/program/MessageFormat.h"
#include "platform/Error.h"
#include "platform/IniText.h"

using platform::ini::detail::findValue;

namespace {

void formatAsMessage(const std::string& text) {
    try {
        const std::string shown = formatWithEmptyArgument(text);
        // The width of a text conversion is bounded, so a message never grows without limit.
        FUZZ_CHECK(shown.size() <= text.size() * 4097);
    } catch (const platform::AppError& e) {
        unhandledErrorText(e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the text; the rest is the file. One text per input
    // keeps the run fast: every text is read by the same code, only the names differ.
    const std::size_t rows = kMainTextTable.size() + kNewerTextRows.size();
    const std::size_t pick = data[0] % rows;
    const MainTextRow& row =
        pick < kMainTextTable.size() ? kMainTextTable[pick] : kNewerTextRows[pick - kMainTextTable.size()];
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (const auto text = findValue(file, row.section, row.key)) formatAsMessage(*text);

    const auto language = findValue(file, "File info", "Language");
    const auto program = findValue(file, "File info", "Program");
    if (language) {
        lang::languageFits(*language);
        lang::isFileLanguageName(*language);
    }
    if (program) lang::programFits(*program);
    return 0;
}
