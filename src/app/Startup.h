// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AppContext.h"

#include <memory>

class AboutDialog;
class LanguageWindow;
class MainWindow;
class SimulatorFolderWindow;

// The program's four windows, created once at start-up and kept until it ends.
struct Windows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<LanguageWindow> language;
    std::unique_ptr<AboutDialog> about;
    std::unique_ptr<SimulatorFolderWindow> simulatorFolder;
    Windows();
    Windows(Windows&&) noexcept;
    ~Windows();
};

// Creates the four windows in their fixed order, each creation handler running
// to completion (inside the error guard) before the next window is created:
// the main window, the language window, the about dialog, the simulator folder
// window. The language and simulator folder windows may show themselves
// modally from here.
Windows createWindows(AppContext& context);

// How the windows tell one another what happened: the language chosen in the
// language window is the main window's, the about dialog follows the main
// window's language and opens from its menu, and coming back from the about
// dialog reads the routes again. Each connection is made as soon as both
// windows exist.
void connectLanguageWindow(MainWindow& main, LanguageWindow& language);
void connectAboutDialog(MainWindow& main, AboutDialog& about);

// The whole program: the single-instance claim, the windows, the event loop.
// Returns the exit status, which is always 0.
int runBrontara(int argc, char** argv);
