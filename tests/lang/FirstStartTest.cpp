// SPDX-License-Identifier: GPL-3.0-or-later
// The first start of the program, through the real start-up: with no settings
// file the user sees three language-read errors, then the language window, then
// the location window, and only then the main window.
#include "LangFixture.h"

#include "app/Startup.h"
#include "lang/Tlanguage_form.h"
#include "location/TLocatie_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lang_test;

namespace {

TEST(FirstStart, ThreeErrorsThenTheLanguageWindowThenTheLocationWindow) {
    ProgramFolder folder;
    folder.writeLanguage("English", languageFile("English", "Brontara", "EN"));
    std::vector<std::string> seen; // what the user sees, in order
    bool mainVisibleEarly = false;
    folder.platform.onBox = [&](const Box& box) {
        seen.push_back("box: " + box.text + " / " + box.caption);
        mainVisibleEarly |= folder.context.Form1 && folder.context.Form1->isVisible();
    };
    folder.platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window: " + dialog.objectName().toStdString());
        mainVisibleEarly |= folder.context.Form1->isVisible();
        auto& window = static_cast<Tlanguage_form&>(dialog);
        window.ComboBox1->lineEdit()->selectAll();
        typeText(window.ComboBox1->lineEdit(), QStringLiteral("English"));
        window.Button1->click();
        return window.result();
    });
    // The location window asks for the simulator when it finds none; closed
    // here without an answer, as the system's close command would.
    folder.platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window: " + dialog.objectName().toStdString());
        mainVisibleEarly |= folder.context.Form1->isVisible();
        dialog.close();
        return 0;
    });

    Forms forms = createForms(folder.context);

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
    EXPECT_FALSE(forms.main->isVisible());

    // The choice made in the language window is the main window's language.
    EXPECT_EQ(forms.main->CurrentLanguage, "English");
    EXPECT_EQ(visibleText(forms.main->Label1).toStdString(), "EN label1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "English");
    EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "1");
    // Start-up's fallback put the mark on the built-in item; OK leaves it there.
    EXPECT_EQ(checkedLanguageItem(*forms.main), "Nederlands1");
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
        Forms forms = createForms(folder.context);
        ASSERT_FALSE(folder.platform.modalDialogs.empty());
        EXPECT_EQ(folder.platform.modalDialogs.front(), "language_form") << "start " << start;
        EXPECT_EQ(forms.main->CurrentLanguage, "Nederlands");
        EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "");
        folder.context.Form1 = nullptr;
    }
}

} // namespace
