// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/Settings.h"
#include "gui/SimulatorFolderWindow.h"
#include "support/ProgramWindows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using testing_support::control;

// The simulator folder window over a real program folder in a temporary
// folder, with the scripted platform for its boxes, folder browser and registry.
class LocationFixture : public ::testing::Test, public testing_support::ProgramWindows {
  protected:
    using Box = testing_support::ScriptedPlatform::Box;
    LocationFixture() = default;
    // The window talks to `other` in place of the scripted platform.
    explicit LocationFixture(testing_support::ScriptedPlatform& other) : ProgramWindows(other) {}

    std::string settingsBytes() const { return testing_support::readFile(settingsPath()); }
    std::string storedFolder() const { return settings::readSimulatorFolder(context.folders); }
    void writeLanguageFile(const std::string& language, const std::string& content) {
        writeLanguage(language, content);
    }
    // A simulator folder holding train.exe (under the name given); returns its host path.
    std::string makeSimulator(const std::string& relative = "sim", const std::string& exeName = "train.exe") {
        tmp.write(relative + "/" + exeName, "MZ");
        return tmp / relative;
    }
    // What the user does while the window is shown modally; the modal run
    // answers with the window's result afterwards.
    void whileShown(std::function<void(SimulatorFolderWindow&)> steps) {
        platform.queueModal([steps = std::move(steps)](QDialog& dialog) {
            steps(static_cast<SimulatorFolderWindow&>(dialog));
            return dialog.result();
        });
    }
    // Only constructs the window: its controls, before any creation handler ran.
    void construct() { form = &newSimulatorFolderWindow(); }
    // Creates the window as start-up does: construction, then its creation handler in the error guard.
    void create() {
        construct();
        context.guard.run([this] { form->initialise(); });
    }
    static void typeFolder(SimulatorFolderWindow& f, const std::string& text) {
        QLineEdit* edit = control<QLineEdit>(f, "Edit1");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    static void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static std::string folderText(const SimulatorFolderWindow& f) {
        return control<QLineEdit>(f, "Edit1")->text().toStdString();
    }

    SimulatorFolderWindow* form = nullptr;
};

inline const std::string kDefaultFolder = "C:\\Program Files\\Microsoft Games\\Train Simulator";
inline const std::string kNotFoundDutch =
    "\"Microsoft Train Simulator\" is niet gevonden! Controleer of het opgegeven pad juist is.";
inline const std::string kFoundDutch = "\"Microsoft Train Simulator\" is met succes gevonden!";
