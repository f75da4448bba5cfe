// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language/MainTextTable.h"

using T = TextTarget;

// clang-format off
const std::array<MainTextRow, 27> kMainTextTable = {{
    {"Hoofd Scherm", "label1", T::RoutePrompt, nullptr, "Selecteer een route waarin u in het onweer wilt gaan rijden:"},
    {"Hoofd Scherm", "groupbox1", T::RouteGroup, nullptr, "Route Selecteren"},
    {"Hoofd Scherm", "RouteBox", T::RouteBoxText, nullptr, "Geen route geselecteerd"},
    {"Hoofd Scherm", "RouteBox", T::Held, &MainTexts::routePlaceholder, "Geen route geselecteerd"},
    {"Menu", "Bestand1", T::FileMenu, nullptr, "&Bestand"},
    {"Menu", "Afsluiten1", T::QuitItem, nullptr, "&Afsluiten"},
    {"Menu", "Opties1", T::OptionsMenu, nullptr, "&Opties"},
    {"Menu", "Taal1", T::LanguageMenu, nullptr, "&Taal"},
    {"Menu", "help1", T::HelpMenu, nullptr, "&Help"},
    {"Menu", "Help2", T::HelpContentsItem, nullptr, "H&elp inhoud"},
    {"Menu", "info1", T::AboutItem, nullptr, "&Info"},
    {"Hoofd Scherm", "Button1", T::MakeButton, nullptr, "Maken..."},
    {"Voltooi scherm", "label3", T::CompletionText, nullptr,
     "Het maken van onweer in Train Simulator is voltooid en kan nu in Train Simulator worden gebruikt. "
     "klik op de onderstaande knop \"Ga terug en herstel alles\" om de gewijzigde bestanden weer in hun "
     "oude staat terug te brengen en dit programma af te sluiten."},
    {"Voltooi scherm", "Button2", T::RestoreButton, nullptr, "Ga terug en herstel alles"},
    {"Infobox tekst", "titel", T::Held, &MainTexts::reportHeading, "Informatie van uw instellingen:"},
    {"Infobox tekst", "route", T::Held, &MainTexts::reportRouteLabel, "Route:"},
    {"Meldingen", "Titel_fout", T::Held, &MainTexts::errorTitle, "Fout"},
    {"Meldingen", "Titel_waarschuwing", T::Held, &MainTexts::warningTitle, "Waarschuwing"},
    {"Meldingen", "Geen_Route", T::Held, &MainTexts::noRouteChosen, "Er is nog geen route geselecteerd!"},
    {"Meldingen", "Route_err", T::Held, &MainTexts::routeUnusable, "Deze route kan niet in het onweer bereden worden."},
    {"Meldingen", "Route_niet_gevonden", T::Held, &MainTexts::routeNotFound,
     "De opgegeven route is niet gevonden. Mogelijk bestaat de route niet meer of is beschadigd."},
    {"Meldingen", "Niet_afsluiten", T::Held, &MainTexts::mayNotClose,
     "Het programma kan niet worden afgesloten voordat de bestanden weer zijn herstelt."},
    {"Meldingen", "afsluit_titel", T::Held, &MainTexts::closeErrorTitle, "Fout bij afsluiten"},
    {"Meldingen", "Messagedlg_Titel", T::Held, &MainTexts::helpQuestionTitle, "Kies een taal"},
    {"Meldingen", "Taal_lees_err", T::Held, &MainTexts::languageFileError, "Fout tijdens het lezen van taal bestand."},
    {"Meldingen", "Help_niet_gevonden", T::Held, &MainTexts::helpNotFound, "Kan het help bestand niet openen."},
    {"Meldingen", "Nevora_actief", T::Held, &MainTexts::siblingRunning,
     "Het programma \"Nevora\" is nog actief. Deze moet eerst worden afgesloten voor u verder kan. "
     "Wilt u \"Nevora nu afsluiten?"},
}};

const std::array<MainTextRow, 16> kNewerTextRows = {{
    {"Meldingen", "Backup_fout", T::Held, &MainTexts::backupFailed,
     "Er kon geen reservekopie worden gemaakt van de bestanden van Train Simulator. "
     "Het onweer is niet geplaatst en er is niets gewijzigd."},
    {"Meldingen", "Herstel_fout", T::Held, &MainTexts::restoreIncomplete,
     "Niet alle bestanden van Train Simulator konden worden hersteld. Het onweer blijft geplaatst, zodat u "
     "het later opnieuw kunt proberen (Nee). Wilt u het onweer toch beëindigen (Ja)? De reservekopieën "
     "worden dan bewaard in een map storm_kept in de map Dump van Brontara."},
    {"Meldingen", "Journaal_fout", T::Held, &MainTexts::journalDamaged,
     "De gegevens van het laatst geplaatste onweer zijn beschadigd en kunnen niet worden gebruikt. Er is "
     "niets hersteld. De gegevens en de reservekopieën zijn bewaard in:"},
    {"Meldingen", "Storm_elders", T::Held, &MainTexts::stormElsewhere,
     "Het onweer is geplaatst in een map van Train Simulator die nu niet te vinden is. Er is niets "
     "hersteld en het onweer blijft geplaatst. Maak die map weer bereikbaar en probeer het dan opnieuw. "
     "Het onweer staat in:"},
    {"Meldingen", "Bewaren_fout", T::Held, &MainTexts::keepAsideFailed,
     "De reservekopieën konden niet apart worden gezet. Het onweer blijft geplaatst en er is niets "
     "verwijderd. De reservekopieën staan in:"},
    {"Meldingen", "Niet_geplaatst", T::Held, &MainTexts::stormBlocked,
     "Het onweer kan niet worden geplaatst, omdat Brontara een bestand niet kan lezen of wijzigen. Er is "
     "niets gewijzigd. Het gaat om:"},
    {"Meldingen", "Teruggezet", T::Held, &MainTexts::stormRolledBack,
     "Het onweer kon niet volledig worden geplaatst. Alles wat Brontara had gewijzigd, is teruggezet. Het "
     "ging mis bij:"},
    {"Meldingen", "Niet_teruggezet", T::Held, &MainTexts::rollbackFailed,
     "Het onweer kon niet volledig worden geplaatst, en Brontara kon niet alles terugzetten. Klik op \"Ga "
     "terug en herstel alles\" om het opnieuw te proberen. Het ging mis bij:"},
    {"Meldingen", "Beheerder_nodig", T::Held, &MainTexts::needsAdministrator,
     "Deze map van Train Simulator kan alleen met beheerdersrechten worden gewijzigd. Wilt u Brontara "
     "opnieuw starten als beheerder?"},
    {"Meldingen", "Geen_bestand", T::Held, &MainTexts::notAFile,
     "Dit is geen gewoon bestand, maar een map, pijp of apparaat."},
    {"Meldingen", "Buiten_de_map", T::Held, &MainTexts::leadsOutside,
     "Dit bestand verwijst naar een plaats buiten de route, de map SOUND of de map van Brontara."},
    {"Meldingen", "Ouder_onweer", T::Held, &MainTexts::olderStormWaits,
     "Er is ook een ouder onweer geplaatst. Eerst wordt het laatst geplaatste onweer hersteld, daarna het "
     "oudere. De gegevens van het oudere onweer blijven bewaard in:"},
    {"Meldingen", "Knop_ja", T::Held, &MainTexts::yesButton, "Ja"},
    {"Meldingen", "Knop_nee", T::Held, &MainTexts::noButton, "Nee"},
    {"Meldingen", "Knop_ok", T::Held, &MainTexts::okButton, "OK"},
    {"Infobox tekst", "VirtualStore", T::Held, &MainTexts::reportVirtualStoreLabel,
     "Ook vervangen in de VirtualStore van Windows:"},
}};
// clang-format on
