// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AppContext.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <memory>
#include <string>

class AboutDialog;
class LanguageWindow;
class MainWindow;
class SimulatorFolderWindow;

namespace testing_support {

// The program's windows over a real program folder in a temporary folder
// ("prog/" with Dump, Dump/Languages and Dump/back_up) and an empty simulator
// folder ("sim/" with Routes), with the scripted platform for every box,
// dialog, folder browser, registry value and shell request. Each window is
// made when a test first asks for it and wired to the others as start-up
// wires them; no creation handler runs unless the test runs it.
class ProgramWindows {
  public:
    ProgramWindows();
    // `platform` stands in for the scripted one; it must outlive the windows.
    explicit ProgramWindows(ScriptedPlatform& platform);
    // The windows over a program folder of the test's own (with its trailing separator).
    ProgramWindows(ScriptedPlatform& platform, const std::string& programFolder);
    // The windows over folders of the test's own (a data home apart from the program folder).
    ProgramWindows(ScriptedPlatform& platform, const Folders& folders);
    virtual ~ProgramWindows();

    // The main window, in the built-in language unless `applyDutch` is false.
    MainWindow& mainWindow(bool applyDutch = true);
    AboutDialog& aboutDialog();
    LanguageWindow& languageWindow();
    SimulatorFolderWindow& simulatorFolderWindow();
    // A new simulator folder window in place of the one made before, as a new start makes it.
    SimulatorFolderWindow& newSimulatorFolderWindow();
    // Closes the windows made so far, the about dialog first.
    void closeWindows();

    // The program folder as the program names it, with its trailing separator.
    std::string programFolder() const { return tmp / "prog/"; }
    std::string simulator() const { return tmp / "sim"; }
    std::string settingsPath() const { return tmp / "prog/Dump/All_dat.ini"; }
    void writeSettings(const std::string& content) const { tmp.write("prog/Dump/All_dat.ini", content); }
    // Writes Dump/Languages/<name>.lng with the content given, as it stands; returns its path.
    std::string writeLanguage(const std::string& name, const std::string& content) const;
    void storeSimulatorFolder(const std::string& folder) const;

    // Runs the event loop a few times, so that show, hide and activation settle.
    static void settle();

    TempDir tmp;
    ScriptedPlatform scripted;
    ScriptedPlatform& platform;
    AppContext context;

  private:
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AboutDialog> m_about;
    std::unique_ptr<LanguageWindow> m_language;
    std::unique_ptr<SimulatorFolderWindow> m_simulatorFolder;
};

} // namespace testing_support
