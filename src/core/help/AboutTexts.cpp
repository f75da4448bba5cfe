// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/AboutTexts.h"

#include "core/language/MainTextTable.h"
#include "core/program/BrontaraVersion.h"
#include "core/program/Folders.h"
#include "platform/Ini.h"

#include <array>

namespace {

constexpr std::string_view kSection = "About Dlg";
struct Row {
    std::string_view key;
    std::string AboutTexts::*target;
    std::string_view dutch;  // the built-in text, whole
    std::string_view suffix; // appended to a text from a file
};

// In the order the texts are set. The product name and the version number are
// fixed in the program (the version is the build's): a language file holds
// only the leading words.
const std::array<Row, 7> kRows{{
    {"Titel", &AboutTexts::caption, "Info...", ""},
    {"product", &AboutTexts::productName, "Product: Brontara", " Brontara"},
    {"Versie", &AboutTexts::version, "Versie:    " BRONTARA_VERSION, "  " BRONTARA_VERSION},
    {"Web", &AboutTexts::web, "Web:", ""},
    {"Mail", &AboutTexts::mail, "E-Mail:", ""},
    {"mail_adres", &AboutTexts::mailAddress, "Stuur een E-mail", ""},
    {"button", &AboutTexts::okButton, "OK", ""},
}};

} // namespace

AboutTexts aboutTextsFor(const Folders& folders, const std::string& language) {
    const bool builtIn = language == kBuiltInLanguage;
    const std::string file = folders.languageFile(language);
    AboutTexts texts;
    for (const Row& row : kRows) {
        if (builtIn)
            texts.*row.target = row.dutch;
        else
            texts.*row.target =
                platform::ini::readString(file, kSection, row.key, "") + std::string(row.suffix);
    }
    return texts;
}
