// SPDX-License-Identifier: GPL-3.0-or-later
// Applying a language to the main window: every text from the built-in Dutch
// set or from the language's file, and the language stored afterwards.
#include "LangFixture.h"
#include "support/Controls.h"

#include "platform/Error.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::control;

using namespace lang_test;

namespace {

class ApplyLanguageTest : public ::testing::Test {
  protected:
    ProgramFolder folder;
    MainWindow* form = folder.mainWindow();
};

TEST_F(ApplyLanguageTest, BuiltInDutchReadsNoFileEvenWhenOneIsNamedAfterIt) {
    folder.writeLanguage("Nederlands", languageFile("Nederlands", "Brontara", "FILE"));
    form->language().apply("Nederlands");
    for (const MainTextRow& row : kMainTextTable)
        EXPECT_EQ(targetText(*form, row), std::string(row.dutch)) << row.section << "/" << row.key;
    EXPECT_EQ(control<QMenu>(form, "Bestand1")->title().toStdString(), "&Bestand");
    EXPECT_EQ(control<QAction>(form, "Help2")->text().toStdString(), "H&elp inhoud");
    EXPECT_EQ(form->language().current(), "Nederlands");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nederlands");
}

TEST_F(ApplyLanguageTest, FileFillsEveryTargetFromItsOwnKey) {
    folder.writeLanguage("Test", languageFile("Test", "Brontara", "T"));
    form->language().apply("Test");
    for (const MainTextRow& row : kMainTextTable)
        EXPECT_EQ(targetText(*form, row), taggedText("T", row)) << row.section << "/" << row.key;
    EXPECT_EQ(form->language().texts().routePlaceholder, "T RouteBox");
    EXPECT_EQ(form->language().current(), "Test");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Test");
}

TEST_F(ApplyLanguageTest, FileWithOnlyItsIdentityEmptiesEveryTarget) {
    folder.writeLanguage("Leeg", "[File info]\nLanguage=Leeg\nProgram=Brontara\n");
    form->language().apply("Nederlands");
    form->language().apply("Leeg");
    for (const MainTextRow& row : kMainTextTable)
        EXPECT_EQ(targetText(*form, row), "") << row.section << "/" << row.key;
    // The storm's safety messages are newer than most language files: they keep a text.
    for (const MainTextRow& row : kNewerTextRows)
        EXPECT_EQ(form->language().texts().*row.held, std::string(row.dutch)) << row.key;
}

TEST_F(ApplyLanguageTest, MissingFileEmptiesEveryTargetAndStillStoresTheLanguage) {
    form->language().apply("Nergens");
    for (const MainTextRow& row : kMainTextTable)
        EXPECT_EQ(targetText(*form, row), "") << row.section << "/" << row.key;
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nergens");
}

TEST_F(ApplyLanguageTest, SectionsAndKeysInAnotherLetterCaseAreFound) {
    folder.writeLanguage("Hoofd", "[hoofd scherm]\nLABEL1=Kies maar\n[MELDINGEN]\ntitel_FOUT=Oeps\n"
                                  "[menu]\nbestand1=&Het bestand\n");
    form->language().apply("Hoofd");
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")).toStdString(), "Kies maar");
    EXPECT_EQ(form->language().texts().errorTitle, "Oeps");
    EXPECT_EQ(control<QMenu>(form, "Bestand1")->title().toStdString(), "&Het bestand");
}

TEST_F(ApplyLanguageTest, BackupMessageComesFromTheFileWhenItHasOne) {
    folder.writeLanguage("Nieuw", "[Meldingen]\nBackup_fout=Geen back-up\n");
    form->language().apply("Nieuw");
    EXPECT_EQ(form->language().texts().backupFailed, "Geen back-up");
}

TEST_F(ApplyLanguageTest, RouteBoxShowsTheNewPlaceholderAndKeepsItsList) {
    folder.writeLanguage("Test", languageFile("Test", "Brontara", "T"));
    form->language().apply("Nederlands");
    control<QComboBox>(form, "RouteBox")
        ->addItems({QStringLiteral("Heuvelland"), QStringLiteral("Zonnedal")});
    control<QComboBox>(form, "RouteBox")->setCurrentIndex(1);
    ASSERT_EQ(control<QComboBox>(form, "RouteBox")->currentText(), QStringLiteral("Zonnedal"));

    form->language().apply("Test");

    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->currentText().toStdString(), "T RouteBox");
    ASSERT_EQ(control<QComboBox>(form, "RouteBox")->count(), 2);
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->itemText(0), QStringLiteral("Heuvelland"));
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->itemText(1), QStringLiteral("Zonnedal"));
}

TEST_F(ApplyLanguageTest, AccessKeysShowInCaptionsAndDoubledAmpersandsAsOne) {
    folder.writeLanguage("Amp", "[Hoofd Scherm]\nlabel1=Kies een &route && rij\ngroupbox1=&Groep\n"
                                "Button1=&Maak\n[Voltooi scherm]\nlabel3=Klaar && <b>af</b>\n");
    form->language().apply("Amp");
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")), QStringLiteral("Kies een route & rij"));
    EXPECT_TRUE(control<QLabel>(form, "Label1")->text().contains(QStringLiteral("<u>r</u>")))
        << control<QLabel>(form, "Label1")->text().toStdString();
    // No access key: shown as plain text, so markup in a language file stays text.
    EXPECT_EQ(control<QLabel>(form, "Label3")->textFormat(), Qt::PlainText);
    EXPECT_EQ(control<QLabel>(form, "Label3")->text(), QStringLiteral("Klaar & <b>af</b>"));
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), QStringLiteral("&Groep"));
    EXPECT_EQ(control<QPushButton>(form, "Button1")->text(), QStringLiteral("&Maak"));
}

TEST_F(ApplyLanguageTest, RefusedSettingsWriteRaisesAfterTheTextsAreSet) {
    folder.writeLanguage("Test", languageFile("Test", "Brontara", "T"));
    folder.tmp.mkdir(
        "prog/Dump/All_dat.ini"); // a folder where the settings file belongs: no write can succeed
    try {
        form->language().apply("Test");
        FAIL() << "the refused write was not reported";
    } catch (const platform::AppError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Unable to write to ", 0), 0u) << e.what();
    }
    EXPECT_EQ(form->language().current(), "Test");
    for (const MainTextRow& row : kMainTextTable)
        EXPECT_EQ(targetText(*form, row), taggedText("T", row)) << row.section << "/" << row.key;
}

// Files that are not what a language file should be: never a crash, and
// exactly the texts the INI rules give.
struct BadFileCase {
    const char* name;
    std::string content;
    std::string label1;    // what Label1 shows afterwards
    std::string titelFout; // the held Titel_fout afterwards
};

class BadLanguageFileTest : public ::testing::TestWithParam<BadFileCase> {};

std::string binaryJunk() {
    std::string s;
    unsigned x = 12345;
    for (int i = 0; i < 64 * 1024; ++i) {
        x = x * 1103515245u + 12345u;
        s += static_cast<char>(x >> 16);
    }
    return s;
}

std::string enormous() {
    std::string s = "[Hoofd Scherm]\r\n";
    const std::string filler =
        "; " + std::string(200, 'x') + "\r\nOnbekend=" + std::string(300, 'y') + "\r\n";
    while (s.size() < 3u * 1024 * 1024)
        s += filler;
    return s + "label1=Eindelijk\r\n[Meldingen]\r\nTitel_fout=Laat\r\n";
}

TEST_P(BadLanguageFileTest, GivesTheTextsTheIniRulesGive) {
    ProgramFolder folder;
    auto form = folder.mainWindow();
    folder.writeLanguage("Slecht", GetParam().content);
    form->language().apply("Slecht");
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")).toStdString(), GetParam().label1);
    EXPECT_EQ(form->language().texts().errorTitle, GetParam().titelFout);
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Slecht");
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadLanguageFileTest,
    ::testing::Values(BadFileCase{"Empty", "", "", ""}, BadFileCase{"Binary", binaryJunk(), "", ""},
                      BadFileCase{"BinaryAroundGoodLines",
                                  binaryJunk() + "\n[Meldingen]\nTitel_fout=Heel\n" + binaryJunk(), "",
                                  "Heel"},
                      BadFileCase{"Enormous", enormous(), "Eindelijk", "Laat"},
                      BadFileCase{"LongValueIsCut", "[Hoofd Scherm]\nlabel1=" + std::string(5000, 'w') + "\n",
                                  std::string(1023, 'w'), ""},
                      BadFileCase{"KeysWithoutSection", "label1=Los\nTitel_fout=Los\n", "", ""},
                      BadFileCase{"SectionsWithoutBrackets",
                                  "Hoofd Scherm\nlabel1=Los\nMeldingen\nTitel_fout=Los\n", "", ""},
                      BadFileCase{"QuotedAndPadded",
                                  "[Hoofd Scherm]\nlabel1 =   \"  Kies  \"  \n[Meldingen]\nTitel_fout='x'\n",
                                  "  Kies  ", "x"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
