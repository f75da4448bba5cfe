// A language file through loading and the message formatter: every text the
// main window reads, its identity, and each text formatted as a message.
// Input: the language file's bytes.
#include "FuzzInput.h"
#include "app/MessageFormat.h"
#include "lang/LanguageFiles.h"
#include "lang/MainTextTable.h"
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
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto readEach = [&](const auto& table) {
        for (const MainTextRow& row : table)
            if (const auto text = findValue(file, row.section, row.key)) formatAsMessage(*text);
    };
    readEach(kMainTextTable);
    readEach(kNewerTextRows);
    const auto language = findValue(file, "File info", "Language");
    const auto program = findValue(file, "File info", "Program");
    if (language) {
        lang::languageFits(*language);
        lang::isFileLanguageName(*language);
    }
    if (program) lang::programFits(*program);
    return 0;
}
