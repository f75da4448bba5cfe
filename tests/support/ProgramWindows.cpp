// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramWindows.h"

#include "app/Startup.h"
#include "core/program/Settings.h"
#include "gui/AboutDialog.h"
#include "gui/LanguageWindow.h"
#include "gui/MainWindow.h"
#include "gui/SimulatorFolderWindow.h"

#include <QApplication>

namespace testing_support {

ProgramWindows::ProgramWindows() : ProgramWindows(scripted) {}

ProgramWindows::ProgramWindows(ScriptedPlatform& platformToUse)
    : platform(platformToUse), context{platformToUse, Folders{tmp / "prog/"}} {
    tmp.mkdir("prog/Dump/Languages");
    tmp.mkdir("prog/Dump/back_up");
    tmp.mkdir("sim/Routes");
}

ProgramWindows::ProgramWindows(ScriptedPlatform& platformToUse, const std::string& programFolder)
    : ProgramWindows(platformToUse, Folders{programFolder}) {}

ProgramWindows::ProgramWindows(ScriptedPlatform& platformToUse, const Folders& folders)
    : platform(platformToUse), context{platformToUse, folders} {}

ProgramWindows::~ProgramWindows() {
    closeWindows();
}

MainWindow& ProgramWindows::mainWindow(bool applyDutch) {
    if (!m_main) {
        m_main = std::make_unique<MainWindow>(context);
        if (applyDutch) {
            m_main->language().apply("Nederlands");
            platform.boxes.clear();
        }
        if (m_language) connectLanguageWindow(*m_main, *m_language);
    }
    return *m_main;
}

AboutDialog& ProgramWindows::aboutDialog() {
    if (!m_about) {
        MainWindow& main = mainWindow();
        m_about = std::make_unique<AboutDialog>(context, &main);
        connectAboutDialog(main, *m_about);
    }
    return *m_about;
}

LanguageWindow& ProgramWindows::languageWindow() {
    if (!m_language) {
        m_language = std::make_unique<LanguageWindow>(context);
        if (m_main) connectLanguageWindow(*m_main, *m_language);
    }
    return *m_language;
}

SimulatorFolderWindow& ProgramWindows::simulatorFolderWindow() {
    if (!m_simulatorFolder) m_simulatorFolder = std::make_unique<SimulatorFolderWindow>(context);
    return *m_simulatorFolder;
}

SimulatorFolderWindow& ProgramWindows::newSimulatorFolderWindow() {
    m_simulatorFolder.reset();
    return simulatorFolderWindow();
}

void ProgramWindows::closeWindows() {
    m_about.reset();
    m_simulatorFolder.reset();
    m_language.reset();
    m_main.reset();
}

std::string ProgramWindows::writeLanguage(const std::string& name, const std::string& content) const {
    return tmp.write("prog/Dump/Languages/" + name + ".lng", content);
}

void ProgramWindows::storeSimulatorFolder(const std::string& folder) const {
    settings::writeSimulatorFolder(context.folders, folder);
}

void ProgramWindows::settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace testing_support
