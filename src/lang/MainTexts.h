#pragma once
#include <string>

// The texts the main window holds for messages, box titles and its report.
// Only ApplyLanguage changes them; message boxes read them when they are shown.
struct MainTexts {
    std::string RoutePlaceholder;   // stands in RouteBox while no route is chosen
    std::string ReportHeading;      // "Infobox tekst" titel
    std::string ReportRouteLabel;   // "Infobox tekst" route
    std::string Titel_fout;
    std::string Titel_waarschuwing;
    std::string Geen_Route;
    std::string Route_err;
    std::string Route_niet_gevonden;
    std::string Niet_afsluiten;
    std::string afsluit_titel;
    std::string Messagedlg_Titel;
    std::string Taal_lees_err;
    std::string Help_niet_gevonden;
    std::string Nevora_actief;
    std::string Backup_fout;        // a back-up failed, so the storm was not installed
    std::string Herstel_fout;       // restoring could not put every file back (a yes/no question)
    std::string Journaal_fout;      // the journal of an installed storm cannot be read
    std::string Storm_elders;       // the storm is installed in a simulator folder that is not there now
    std::string Bewaren_fout;       // the back-ups of a storm given up on could not be set aside
};
