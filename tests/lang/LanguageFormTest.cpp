// SPDX-License-Identifier: GPL-3.0-or-later
// The first-run language window: when it shows itself, what it lists, how it
// relabels itself while the user types or picks, and what its OK button stores.
#include "LangFixture.h"
#include "support/Controls.h"

#include "gui/LanguageWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using testing_support::control;

using namespace lang_test;

namespace {

const std::string kDutchPrompt = "Selecteer de taal welke Brontara moet gebruiken.";

std::string englishFile() {
    return languageFile("English", "Brontara", "EN",
                        "[Taal Scherm]\r\nlabel1=Pick a language\r\ntitel=Language\r\nbutton1=&Fine\r\n");
}

class LanguageFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.writeLanguage("English", englishFile());
        folder.writeLanguage("Deutsch",
                             languageFile("Deutsch", "Brontara", "DE",
                                          "[Taal Scherm]\nlabel1=Sprache?\ntitel=Sprache\nbutton1=Gut\n"));
        main = folder.mainWindow();
        main->language().apply("Nederlands");
        window = &folder.languageWindow();
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> items;
        for (int i = 0; i < control<QComboBox>(window, "ComboBox1")->count(); ++i)
            items.push_back(control<QComboBox>(window, "ComboBox1")->itemText(i).toStdString());
        return items;
    }
    struct Captions {
        std::string title, label, button;
        bool operator==(const Captions&) const = default;
    };
    Captions captions() const {
        return {window->windowTitle().toStdString(),
                visibleText(control<QLabel>(window, "Label1")).toStdString(),
                control<QPushButton>(window, "Button1")->text().toStdString()};
    }
    void type(const QString& text) {
        control<QComboBox>(window, "ComboBox1")->lineEdit()->selectAll();
        typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(), text);
    }

    ProgramFolder folder;
    MainWindow* main = nullptr;
    LanguageWindow* window = nullptr;
};

TEST_F(LanguageFormTest, DesignerLayoutAndTexts) {
    EXPECT_EQ(window->objectName(), QStringLiteral("language_form"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kies uw taal "));
    EXPECT_EQ(visibleText(control<QLabel>(window, "Label1")).toStdString(), kDutchPrompt);
    EXPECT_EQ(control<QPushButton>(window, "Button1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(listed(), std::vector<std::string>{"Nederlands"});
    EXPECT_EQ(control<QComboBox>(window, "ComboBox1")->currentText(), QStringLiteral("Nederlands"));
    EXPECT_TRUE(control<QComboBox>(window, "ComboBox1")->isEditable());
    EXPECT_EQ(control<QLabel>(window, "Label1")->geometry(), QRect(8, 8, 210, 26));
    EXPECT_EQ(control<QComboBox>(window, "ComboBox1")->geometry(), QRect(8, 48, 217, 21));
    EXPECT_EQ(control<QPushButton>(window, "Button1")->geometry(), QRect(88, 80, 75, 25));
    EXPECT_EQ(window->size(), QSize(237, 117));
    // No system menu, so no close box.
    EXPECT_FALSE(window->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
}

// Whether the window shows itself at creation, by the two stored settings.
struct ShowCase {
    const char* name;
    std::string settings; // "-" for no settings file
    bool shown;
};

class LanguageFormShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(LanguageFormShowTest, ShowsItselfUnlessAnsweredAndALanguageIsStored) {
    ProgramFolder folder;
    if (GetParam().settings != "-") folder.writeSettings(GetParam().settings);
    const auto before = testing_support::snapshot((folder.tmp / "prog"));
    folder.mainWindow();
    LanguageWindow& window = folder.languageWindow();
    folder.platform.queueModal([](QDialog& d) {
        d.close(); // the system's close command: no OK
        return 0;
    });
    folder.guarded([&] { window.initialise(); });
    EXPECT_EQ(folder.platform.modalDialogs.size(), GetParam().shown ? 1u : 0u);
    EXPECT_EQ(window.chosenLanguage(), "Nederlands");
    // Closed without OK, or never shown: nothing written.
    EXPECT_EQ(testing_support::snapshot((folder.tmp / "prog")), before);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageFormShowTest,
    ::testing::Values(
        ShowCase{"NoSettingsFile", "-", true},
        ShowCase{"Answered", "[Programma]\nTaalscherm=1\nTaalkeuze=English\n", false},
        ShowCase{"AnsweredWithoutLanguage", "[Programma]\nTaalscherm=1\nTaalkeuze=\n", true},
        ShowCase{"NotAnswered", "[Programma]\nTaalscherm=0\nTaalkeuze=English\n", true},
        ShowCase{"AnsweredWithAWord", "[Programma]\nTaalscherm=ja\nTaalkeuze=English\n", true},
        ShowCase{"AnsweredWithTwo", "[Programma]\nTaalscherm=2\nTaalkeuze=English\n", false},
        ShowCase{"AnsweredInHexadecimal", "[programma]\ntaalscherm=0x1\ntaalkeuze=English\n", false},
        ShowCase{"AnsweredWithDollarHex", "[Programma]\nTaalscherm=$1\nTaalkeuze=Nederlands\n", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageFormTest, ShowingAppendsTheLanguageFilesOncePerShowing) {
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(listed(), (std::vector<std::string>{"Nederlands", "Deutsch", "English"}));
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(listed().size(), 3u) << "activation within one showing appends again";
    window->hide();
    window->show();
    QApplication::processEvents();
    // The list is never cleared: a second showing appends again.
    EXPECT_EQ(listed(), (std::vector<std::string>{"Nederlands", "Deutsch", "English", "Deutsch", "English"}));
    EXPECT_EQ(control<QComboBox>(window, "ComboBox1")->currentText(), QStringLiteral("Nederlands"));
    window->hide();
}

TEST_F(LanguageFormTest, ShownModallyAtCreationListsTheFiles) {
    std::vector<std::string> seen;
    folder.platform.queueModal([&](QDialog&) {
        seen = listed();
        return 0;
    });
    window->initialise();
    EXPECT_EQ(seen, (std::vector<std::string>{"Nederlands", "Deutsch", "English"}));
}

TEST_F(LanguageFormTest, TypingRelabelsTheWindowAtEveryKey) {
    window->show();
    QApplication::processEvents();
    // What the window shows after each text typed, in order.
    const std::vector<std::pair<QString, Captions>> steps = {
        {QStringLiteral("E"), {"", "", ""}},
        {QStringLiteral("English"), {"Language", "Pick a language", "&Fine"}},
        {QStringLiteral("Englis"), {"", "", ""}},
        {QStringLiteral("ENGLISH"), {"Language", "Pick a language", "&Fine"}}, // file names ignore case
        {QStringLiteral("Nederland"), {"", "", ""}},
        {QStringLiteral("Nederlands"), {"Kies uw taal", kDutchPrompt, ""}}, // the button keeps what it has
    };
    for (const auto& [text, expected] : steps) {
        type(text);
        EXPECT_EQ(window->chosenLanguage(), text.toStdString());
        EXPECT_EQ(captions(), expected) << "after typing " << text.toStdString();
    }
    window->hide();
}

TEST_F(LanguageFormTest, EveryKeystrokeChangesTheChoice) {
    window->show();
    QApplication::processEvents();
    control<QComboBox>(window, "ComboBox1")->lineEdit()->clear();
    std::vector<std::string> chosen;
    QObject::connect(control<QComboBox>(window, "ComboBox1"), &QComboBox::editTextChanged, window,
                     [&] { chosen.push_back(window->chosenLanguage()); });
    typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(), QStringLiteral("Deu"));
    EXPECT_EQ(chosen, (std::vector<std::string>{"D", "De", "Deu"}));
    window->hide();
}

TEST_F(LanguageFormTest, PickingAnotherLanguageThenDutchKeepsTheOtherButtonCaption) {
    window->show();
    QApplication::processEvents();
    control<QComboBox>(window, "ComboBox1")->setFocus();
    QTest::keyClick(control<QComboBox>(window, "ComboBox1"), Qt::Key_Down); // Deutsch
    EXPECT_EQ(window->chosenLanguage(), "Deutsch");
    EXPECT_EQ(captions(), (Captions{"Sprache", "Sprache?", "Gut"}));
    QTest::keyClick(control<QComboBox>(window, "ComboBox1"), Qt::Key_Up); // Nederlands
    EXPECT_EQ(window->chosenLanguage(), "Nederlands");
    EXPECT_EQ(captions(), (Captions{"Kies uw taal", kDutchPrompt, "Gut"}));
    window->hide();
}

TEST_F(LanguageFormTest, TypedNamesThatLeaveTheFolderReadNothing) {
    // A language file beside the languages folder and one above the program folder.
    const std::string evil =
        languageFile("Evil", "Brontara", "EVIL", "[Taal Scherm]\ntitel=Gevonden\nlabel1=Gevonden\n");
    folder.tmp.write("prog/Dump/Evil.lng", evil);
    folder.tmp.write("Evil.lng", evil);
    window->show();
    QApplication::processEvents();
    for (const char* name : {"..\\Evil", "../Evil", "..\\..\\Evil", "..//..//Evil", "Sub\\..\\..\\Evil",
                             "/tmp/../Evil", "C:Evil", "*", "Eng*", "Englis?"}) {
        type(QString::fromUtf8(name));
        EXPECT_EQ(captions(), (Captions{"", "", ""})) << name;
    }
    window->hide();
}

TEST_F(LanguageFormTest, TypedNameThatLeavesTheFolderIsAMissingLanguageOnOk) {
    folder.tmp.write("prog/Dump/Evil.lng", languageFile("Evil", "Brontara", "EVIL"));
    folder.platform.queueModal([&](QDialog&) {
        type(QStringLiteral("..\\Evil"));
        control<QPushButton>(window, "Button1")->click();
        return window->result();
    });
    window->initialise();
    EXPECT_EQ(folder.platform.boxes,
              (std::vector<Box>{dutchLanguageError(), dutchLanguageError(), dutchLanguageError()}));
    EXPECT_EQ(main->language().current(), "Nederlands");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nederlands");
}

TEST_F(LanguageFormTest, OkStoresTheChoiceAndAppliesItToTheMainWindow) {
    int result = -1;
    bool visibleAfterOk = true;
    folder.platform.queueModal([&](QDialog& d) {
        type(QStringLiteral("English"));
        control<QPushButton>(window, "Button1")->click();
        visibleAfterOk = d.isVisible();
        result = d.result();
        return result;
    });
    window->initialise();
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(visibleAfterOk);
    EXPECT_TRUE(folder.platform.boxes.empty());
    EXPECT_EQ(main->language().current(), "English");
    EXPECT_EQ(visibleText(control<QLabel>(main, "Label1")).toStdString(), "EN label1");
    EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "English");
    // The submenu's marks are left alone.
    EXPECT_EQ(checkedLanguageItem(*main), "");
}

TEST_F(LanguageFormTest, OkWritesTheAnswerBeforeTheLanguage) {
    folder.platform.queueModal([&](QDialog&) {
        control<QPushButton>(window, "Button1")->click();
        return 0;
    });
    std::filesystem::remove(folder.settingsPath());
    window->initialise();
    const std::string settings = testing_support::readFile(folder.settingsPath());
    EXPECT_LT(settings.find("Taalscherm=1"), settings.find("Taalkeuze=Nederlands")) << settings;
}

// What OK does with each kind of choice.
struct OkCase {
    const char* name;
    std::string typed;
    std::vector<Box> boxes;
};

class LanguageFormOkTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(LanguageFormOkTest, FallsBackToDutchWhenTheChoiceFails) {
    ProgramFolder folder;
    folder.writeLanguage("English", englishFile());
    folder.writeLanguage("Gebrekkig", languageFile("Gebrekkig", "brontara", "GB"));
    folder.writeLanguage("Onbekend", languageFile("Onbekend", "Nevora", "ON"));
    auto main = folder.mainWindow();
    main->language().apply("English"); // the main window speaks English before OK
    LanguageWindow& window = folder.languageWindow();
    folder.platform.queueModal([&](QDialog&) {
        control<QComboBox>(window, "ComboBox1")->lineEdit()->selectAll();
        typeText(control<QComboBox>(window, "ComboBox1")->lineEdit(),
                 QString::fromStdString(GetParam().typed));
        control<QPushButton>(window, "Button1")->click();
        return 0;
    });
    window.initialise();
    EXPECT_EQ(folder.platform.boxes, GetParam().boxes);
    EXPECT_EQ(main->language().current(), "Nederlands");
    EXPECT_EQ(checkedLanguageItem(*main), "Nederlands1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nederlands");
    EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "1");
    EXPECT_FALSE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, LanguageFormOkTest,
    ::testing::Values(
        // A missing file is reported in Dutch (applied first), then both tests fail.
        OkCase{
            "NameWithoutFile", "Klingon", {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()}},
        // A present file's texts are applied first: its own message rejects it.
        OkCase{"UnfitProgram", "Gebrekkig", {languageError("GB Taal_lees_err", "GB Titel_fout")}},
        OkCase{"BothTestsFail",
               "Onbekend",
               {languageError("ON Taal_lees_err", "ON Titel_fout"),
                languageError("ON Taal_lees_err", "ON Titel_fout")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageFormTest, RefusedWriteKeepsTheWindowOpenAndAppliesNothing) {
    std::filesystem::remove(folder.settingsPath());
    folder.tmp.mkdir("prog/Dump/All_dat.ini"); // no write can succeed
    bool visible = false;
    folder.platform.queueModal([&](QDialog& d) {
        type(QStringLiteral("English"));
        control<QPushButton>(window, "Button1")->click();
        visible = d.isVisible();
        return 0;
    });
    window->initialise();
    ASSERT_EQ(folder.platform.boxes.size(), 1u);
    EXPECT_EQ(folder.platform.boxes[0].caption, "Brontara");
    EXPECT_EQ(folder.platform.boxes[0].text.rfind("Unable to write to ", 0), 0u)
        << folder.platform.boxes[0].text;
    EXPECT_TRUE(visible);
    EXPECT_EQ(main->language().current(), "Nederlands");
}

TEST_F(LanguageFormTest, EscapeDoesNotCloseTheWindow) {
    window->show();
    QApplication::processEvents();
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(control<QComboBox>(window, "ComboBox1"), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    window->close(); // the system's close command does
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.setting("Programma", "Taalscherm"), "");
}

} // namespace
