// SPDX-License-Identifier: GPL-3.0-or-later
// The first start of the program, through the real start-up: with no settings
// file the user sees three language-read errors, then the language window, then
// the location window, and only then the main window.
#include "LangFixture.h"
#include "support/Controls.h"

#include "app/Startup.h"
#include "gui/LanguageWindow.h"
#include "gui/SimulatorFolderWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::control;

using namespace lang_test;

namespace {

// Whether the main window is on the screen, found as the user would find it.
bool mainWindowVisible() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("Form1") && window->isVisible()) return true;
    return false;
}

TEST(FirstStart, ThreeErrorsThenTheLanguageWindowThenTheLocationWindow) {
    ProgramFolder folder;
    folder.writeLanguage("English", languageFile("English", "Brontara", "EN"));
    std::vector<std::string> seen; // what the user sees, in order
    bool mainVisibleEarly = false;
    folder.platform.onBox = [&](const Box& box) {
        seen.push_back("box: " + box.text + " / " + box.caption);
        mainVisibleEarly |= mainWindowVisible();
    };
    folder.platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window: " + dialog.objectName().toStdString());
        mainVisibleEarly |= mainWindowVisible();
        auto& window = static_cast<LanguageWindow&>(dialog);
        control<QComboBox>(window, "ComboBox1")->lineEdit()->selectAll();
        typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(), QStringLiteral("English"));
        control<QPushButton>(window, "Button1")->click();
        return window.result();
    });
    // The location window asks for the simulator when it finds none; closed
    // here without an answer, as the system's close command would.
    folder.platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window: " + dialog.objectName().toStdString());
        mainVisibleEarly |= mainWindowVisible();
        dialog.close();
        return 0;
    });

    Windows windows = createWindows(folder.context);

    const std::string dutchError = "box: Fout tijdens het lezen van taal bestand. / Fout";
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 4),
              (std::vector<std::string>{dutchError, dutchError, dutchError, "window: language_form"}));
    // The location window is the only thing that may follow, and it comes last.
    if (seen.size() > 4) {
        EXPECT_EQ(seen.back(), "window: Locatie_form");
    }
    for (size_t i = 4; i + 1 < seen.size(); ++i)
        EXPECT_EQ(seen[i].rfind("window: Locatie_form", 0), std::string::npos) << seen[i];
    EXPECT_FALSE(mainVisibleEarly) << "the main window showed before start-up ended";
    EXPECT_FALSE(windows.main->isVisible());

    // The choice made in the language window is the main window's language.
    EXPECT_EQ(windows.main->language().current(), "English");
    EXPECT_EQ(visibleText(control<QLabel>(windows.main, "Label1")).toStdString(), "EN label1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "English");
    EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "1");
    // Start-up's fallback put the mark on the built-in item; OK leaves it there.
    EXPECT_EQ(checkedLanguageItem(*windows.main), "Nederlands1");
}

TEST(FirstStart, LanguageWindowClosedWithoutOkComesBackNextTime) {
    ProgramFolder folder;
    folder.writeLanguage("English", languageFile("English", "Brontara", "EN"));
    for (int start = 0; start < 2; ++start) {
        folder.platform.modalDialogs.clear();
        folder.platform.queueModal([](QDialog& dialog) {
            dialog.close();
            return 0;
        });
        folder.platform.queueModal([](QDialog& dialog) { // the location window, if it asks
            dialog.close();
            return 0;
        });
        Windows windows = createWindows(folder.context);
        ASSERT_FALSE(folder.platform.modalDialogs.empty());
        EXPECT_EQ(folder.platform.modalDialogs.front(), "language_form") << "start " << start;
        EXPECT_EQ(windows.main->language().current(), "Nederlands");
        EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "");
    }
}

} // namespace
