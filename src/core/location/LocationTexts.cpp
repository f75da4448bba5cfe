// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/location/LocationTexts.h"

#include "core/language/MainTextTable.h"
#include "platform/Ini.h"

using T = LocationTexts;

// clang-format off
const std::array<LocationTextRow, 10> kLocationTextTable = {{
    {"locatie scherm", "titel", &T::title, "Locatie"},
    {"locatie scherm", "label1", &T::explanation,
     "Voor u verder kan moet eerst de locatie worden aangegeven waar Microsoft Train Simulator is geïnstalleerd."},
    {"locatie scherm", "button1", &T::continueButton, "Ga Verder"},
    {"locatie scherm", "button2", &T::browseButton, "Bladeren..."},
    {"locatie scherm", "groupbox1", &T::folderGroup, "Locatie:"},
    {"map dialoog", "BrowseTekst", &T::browseText, "Selecteer een map..."},
    {"Meldingen", "Titel", &T::errorTitle, "Fout"},
    {"Meldingen", "Kan_niet_vinden", &T::notFoundText,
     "\"Microsoft Train Simulator\" is niet gevonden! Controleer of het opgegeven pad juist is."},
    {"Meldingen", "Is_Gevonden", &T::foundText, "\"Microsoft Train Simulator\" is met succes gevonden!"},
    {"Meldingen", "Gevonden_Titel", &T::foundTitle, "Voltooid"},
}};
// clang-format on

const LocationTextRow kUnstorableFolderRow = {"Meldingen", "Map_niet_op_te_slaan", &T::unstorableText,
                                              "Deze map kan niet worden opgeslagen: de naam is te lang voor "
                                              "het instellingenbestand. Kies een andere map."};

LocationTexts loadLocationTexts(const Folders& folders, const std::string& language) {
    LocationTexts texts;
    const bool builtIn = language == kBuiltInLanguage;
    const std::string file = folders.languageFile(language);
    auto textOf = [&](const LocationTextRow& row) {
        return builtIn ? std::string(row.dutch) : platform::ini::readString(file, row.section, row.key, "");
    };
    for (const LocationTextRow& row : kLocationTextTable)
        texts.*row.target = textOf(row);
    texts.unstorableText = textOf(kUnstorableFolderRow);
    if (texts.unstorableText.empty()) texts.unstorableText = kUnstorableFolderRow.dutch;
    return texts;
}
