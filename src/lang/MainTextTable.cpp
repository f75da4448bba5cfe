#include "lang/MainTextTable.h"

using T = TextTarget;

// clang-format off
const std::array<MainTextRow, 27> kMainTextTable = {{
    {"Hoofd Scherm", "label1", T::Label1, nullptr, "Selecteer een route waarin u in het onweer wilt gaan rijden:"},
    {"Hoofd Scherm", "groupbox1", T::GroupBox1, nullptr, "Route Selecteren"},
    {"Hoofd Scherm", "RouteBox", T::RouteBoxText, nullptr, "Geen route geselecteerd"},
    {"Hoofd Scherm", "RouteBox", T::Held, &MainTexts::RoutePlaceholder, "Geen route geselecteerd"},
    {"Menu", "Bestand1", T::Bestand1, nullptr, "&Bestand"},
    {"Menu", "Afsluiten1", T::afsluiten1, nullptr, "&Afsluiten"},
    {"Menu", "Opties1", T::Opties1, nullptr, "&Opties"},
    {"Menu", "Taal1", T::Taal1, nullptr, "&Taal"},
    {"Menu", "help1", T::Help1, nullptr, "&Help"},
    {"Menu", "Help2", T::Help2, nullptr, "H&elp inhoud"},
    {"Menu", "info1", T::Info1, nullptr, "&Info"},
    {"Hoofd Scherm", "Button1", T::Button1, nullptr, "Maken..."},
    {"Voltooi scherm", "label3", T::Label3, nullptr,
     "Het maken van onweer in Train Simulator is voltooid en kan nu in Train Simulator worden gebruikt. "
     "klik op de onderstaande knop \"Ga terug en herstel alles\" om de gewijzigde bestanden weer in hun "
     "oude staat terug te brengen en dit programma af te sluiten."},
    {"Voltooi scherm", "Button2", T::Button2, nullptr, "Ga terug en herstel alles"},
    {"Infobox tekst", "titel", T::Held, &MainTexts::ReportHeading, "Informatie van uw instellingen:"},
    {"Infobox tekst", "route", T::Held, &MainTexts::ReportRouteLabel, "Route:"},
    {"Meldingen", "Titel_fout", T::Held, &MainTexts::Titel_fout, "Fout"},
    {"Meldingen", "Titel_waarschuwing", T::Held, &MainTexts::Titel_waarschuwing, "Waarschuwing"},
    {"Meldingen", "Geen_Route", T::Held, &MainTexts::Geen_Route, "Er is nog geen route geselecteerd!"},
    {"Meldingen", "Route_err", T::Held, &MainTexts::Route_err, "Deze route kan niet in het onweer bereden worden."},
    {"Meldingen", "Route_niet_gevonden", T::Held, &MainTexts::Route_niet_gevonden,
     "De opgegeven route is niet gevonden. Mogelijk bestaat de route niet meer of is beschadigd."},
    {"Meldingen", "Niet_afsluiten", T::Held, &MainTexts::Niet_afsluiten,
     "Het programma kan niet worden afgesloten voordat de bestanden weer zijn herstelt."},
    {"Meldingen", "afsluit_titel", T::Held, &MainTexts::afsluit_titel, "Fout bij afsluiten"},
    {"Meldingen", "Messagedlg_Titel", T::Held, &MainTexts::Messagedlg_Titel, "Kies een taal"},
    {"Meldingen", "Taal_lees_err", T::Held, &MainTexts::Taal_lees_err, "Fout tijdens het lezen van taal bestand."},
    {"Meldingen", "Help_niet_gevonden", T::Held, &MainTexts::Help_niet_gevonden, "Kan het help bestand niet openen."},
    {"Meldingen", "Nevora_actief", T::Held, &MainTexts::Nevora_actief,
     "Het programma \"Nevora\" is nog actief. Deze moet eerst worden afgesloten voor u verder kan. "
     "Wilt u \"Nevora nu afsluiten?"},
}};

const std::array<MainTextRow, 5> kNewerTextRows = {{
    {"Meldingen", "Backup_fout", T::Held, &MainTexts::Backup_fout,
     "Er kon geen reservekopie worden gemaakt van de bestanden van Train Simulator. "
     "Het onweer is niet geplaatst en er is niets gewijzigd."},
    {"Meldingen", "Herstel_fout", T::Held, &MainTexts::Herstel_fout,
     "Niet alle bestanden van Train Simulator konden worden hersteld. Het onweer blijft geplaatst, zodat u "
     "het later opnieuw kunt proberen (Nee). Wilt u het onweer toch beëindigen (Ja)? De reservekopieën "
     "worden dan bewaard in een map storm_kept in de map Dump van Brontara."},
    {"Meldingen", "Journaal_fout", T::Held, &MainTexts::Journaal_fout,
     "De gegevens van het laatst geplaatste onweer zijn beschadigd en kunnen niet worden gebruikt. Er is "
     "niets hersteld. De gegevens en de reservekopieën zijn bewaard in:"},
    {"Meldingen", "Storm_elders", T::Held, &MainTexts::Storm_elders,
     "Het onweer is geplaatst in een map van Train Simulator die nu niet te vinden is. Er is niets "
     "hersteld en het onweer blijft geplaatst. Maak die map weer bereikbaar en probeer het dan opnieuw. "
     "Het onweer staat in:"},
    {"Meldingen", "Bewaren_fout", T::Held, &MainTexts::Bewaren_fout,
     "De reservekopieën konden niet apart worden gezet. Het onweer blijft geplaatst en er is niets "
     "verwijderd. De reservekopieën staan in:"},
}};
// clang-format on
