// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// The texts the main window holds for messages, box titles and its report.
// Only the language controller changes them; message boxes read them when they
// are shown. The keys they are read from are in MainTextTable.cpp.
struct MainTexts {
    std::string routePlaceholder;        // stands in the route box while no route is chosen
    std::string reportHeading;           // "Infobox tekst" titel
    std::string reportRouteLabel;        // "Infobox tekst" route
    std::string reportVirtualStoreLabel; // heads the files the storm replaced in the VirtualStore
    std::string errorTitle;
    std::string warningTitle;
    std::string noRouteChosen;
    std::string routeUnusable;
    std::string routeNotFound;
    std::string mayNotClose;
    std::string closeErrorTitle;
    std::string helpQuestionTitle;
    std::string languageFileError;
    std::string helpNotFound;
    std::string siblingRunning;
    std::string backupFailed;       // a back-up failed, so the storm was not installed
    std::string restoreIncomplete;  // restoring could not put every file back (a yes/no question)
    std::string journalDamaged;     // the journal of an installed storm cannot be read
    std::string stormElsewhere;     // the storm is installed in a simulator folder that is not there now
    std::string keepAsideFailed;    // the back-ups of a storm given up on could not be set aside
    std::string stormBlocked;       // a file cannot be read or changed, so nothing was changed
    std::string stormRolledBack;    // a change did not take, so every change was put back
    std::string rollbackFailed;     // ... and not every change could be put back
    std::string needsAdministrator; // a yes/no question: start again with administrator rights?
    std::string notAFile;           // why a folder, pipe or device cannot stand in for a file
    std::string leadsOutside;       // why a link that leads out of the simulator's folders is refused
    std::string olderStormWaits;    // an older storm waits on record behind the one resumed
    std::string yesButton;          // the Yes button of every question
    std::string noButton;           // the No button of every question
    std::string okButton;           // the OK button of every box
};
