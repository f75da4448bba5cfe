// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"
#include "app/Settings.h"
#include "location/TLocatie_form.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// A location window over a real program folder in a temporary folder, with
// the scripted platform for its boxes, folder browser and registry.
class LocationFixture : public ::testing::Test {
  protected:
    using Box = testing_support::ScriptedPlatform::Box;

    void SetUp() override {
        tmp.mkdir("prog/Dump/Languages");
        context = std::make_unique<AppContext>(AppContext{*platform, Folders{tmp / "prog/"}});
    }

    // The platform the window talks to; a fixture may swap in another double before SetUp.
    testing_support::ScriptedPlatform* platform = &scripted;

    void writeSettings(const std::string& content) { tmp.write("prog/Dump/All_dat.ini", content); }
    std::string settingsBytes() const { return testing_support::readFile(tmp / "prog/Dump/All_dat.ini"); }
    std::string storedFolder() const { return settings::readSimulatorFolder(context->folders); }
    void writeLanguageFile(const std::string& language, const std::string& content) {
        tmp.write("prog/Dump/Languages/" + language + ".lng", content);
    }

    // A simulator folder holding train.exe (under the name given); returns its host path.
    std::string makeSimulator(const std::string& relative = "sim", const std::string& exeName = "train.exe") {
        tmp.write(relative + "/" + exeName, "MZ");
        return tmp / relative;
    }

    // What the user does while the window is shown modally; the modal run
    // answers with the window's result afterwards.
    void whileShown(std::function<void(TLocatie_form&)> steps) {
        platform->queueModal([steps = std::move(steps)](QDialog& dialog) {
            steps(static_cast<TLocatie_form&>(dialog));
            return dialog.result();
        });
    }

    // Only constructs the window: its controls, before any creation handler ran.
    void construct() {
        form = std::make_unique<TLocatie_form>(*context);
        context->Locatie_form = form.get();
    }
    // Creates the window as start-up does: construction, then FormCreate in the error guard.
    void create() {
        construct();
        context->guard.run([this] { form->FormCreate(); });
    }

    static void typeFolder(TLocatie_form& f, const std::string& text) {
        f.Edit1->selectAll();
        QTest::keyClick(f.Edit1, Qt::Key_Delete);
        QTest::keyClicks(f.Edit1, QString::fromStdString(text));
    }
    static void press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static std::string folderText(const TLocatie_form& f) { return f.Edit1->text().toStdString(); }

    testing_support::TempDir tmp;
    testing_support::ScriptedPlatform scripted;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<TLocatie_form> form;
};

inline const std::string kDefaultFolder = "C:\\Program Files\\Microsoft Games\\Train Simulator";
inline const std::string kNotFoundDutch =
    "\"Microsoft Train Simulator\" is niet gevonden! Controleer of het opgegeven pad juist is.";
inline const std::string kFoundDutch = "\"Microsoft Train Simulator\" is met succes gevonden!";
