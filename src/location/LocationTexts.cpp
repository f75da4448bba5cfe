// SPDX-License-Identifier: GPL-3.0-or-later
#include "location/LocationTexts.h"

#include "lang/MainTextTable.h"
#include "platform/Ini.h"

using T = LocationTexts;

// clang-format off
const std::array<LocationTextRow, 10> kLocationTextTable = {{
    {"locatie scherm", "titel", &T::Caption, "Locatie"},
    {"locatie scherm", "label1", &T::Label1,
     "Voor u verder kan moet eerst de locatie worden aangegeven waar Microsoft Train Simulator is geïnstalleerd."},
    {"locatie scherm", "button1", &T::Button1, "Ga Verder"},
    {"locatie scherm", "button2", &T::Button2, "Bladeren..."},
    {"locatie scherm", "groupbox1", &T::GroupBox1, "Locatie:"},
    {"map dialoog", "BrowseTekst", &T::BrowseText, "Selecteer een map..."},
    {"Meldingen", "Titel", &T::ErrorTitle, "Fout"},
    {"Meldingen", "Kan_niet_vinden", &T::NotFoundText,
     "\"Microsoft Train Simulator\" is niet gevonden! Controleer of het opgegeven pad juist is."},
    {"Meldingen", "Is_Gevonden", &T::FoundText, "\"Microsoft Train Simulator\" is met succes gevonden!"},
    {"Meldingen", "Gevonden_Titel", &T::FoundTitle, "Voltooid"},
}};
// clang-format on

LocationTexts loadLocationTexts(const Folders& folders, const std::string& language) {
    LocationTexts texts;
    const bool builtIn = language == kBuiltInLanguage;
    const std::string file = folders.LanguageFile(language);
    for (const LocationTextRow& row : kLocationTextTable)
        texts.*row.target =
            builtIn ? std::string(row.dutch) : platform::ini::readString(file, row.section, row.key, "");
    return texts;
}
