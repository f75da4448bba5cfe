// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the main window's language: at start-up from the settings file, and
// from the language submenu. Each failure is reported with the language-read
// error, as often as the file fails, in the texts that were active then.
#include "LangFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

using testing_support::control;

using namespace lang_test;

namespace {

const std::string kGood = languageFile("English", "Brontara", "EN");

// The rejected file's own error box: its texts were applied before the test.
Box ownError(const std::string& tag) {
    return languageError(tag + " Taal_lees_err", tag + " Titel_fout");
}

struct StartupCase {
    const char* name;
    std::string settings;                                       // the settings file; "-" for none
    std::vector<std::pair<std::string, std::string>> languages; // files in Dump/Languages
    std::vector<Box> boxes;                                     // in order
    std::string language;                                       // CurrentLanguage afterwards
    std::string label1;                                         // what Label1 shows afterwards
    std::string checked;                                        // the submenu item with the check mark
};

class StartupLanguageTest : public ::testing::TestWithParam<StartupCase> {};

TEST_P(StartupLanguageTest, ShowsTheseBoxesAndEndsInThisLanguage) {
    const StartupCase& c = GetParam();
    ProgramFolder folder;
    if (c.settings != "-") folder.writeSettings(c.settings);
    for (const auto& [name, content] : c.languages)
        folder.writeLanguage(name, content);
    folder.tmp.write("prog/Dump/Buiten.lng", kGood); // beside the languages folder, never to be read
    auto form = folder.mainWindow();

    folder.guarded([&] { form->initialise(); });

    EXPECT_EQ(folder.platform.boxes, c.boxes);
    EXPECT_EQ(form->language().current(), c.language);
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")).toStdString(), c.label1);
    EXPECT_EQ(checkedLanguageItem(*form), c.checked);
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), c.language);
}

const std::string kDutchLabel1 = "Selecteer een route waarin u in het onweer wilt gaan rijden:";

INSTANTIATE_TEST_SUITE_P(
    Situations, StartupLanguageTest,
    ::testing::Values(StartupCase{"NoSettingsFile",
                                  "-",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"EmptyLanguageStored",
                                  "[Programma]\nTaalkeuze=\n",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"DutchStored",
                                  "[Programma]\nTaalkeuze=Nederlands\n",
                                  {{"English", kGood}},
                                  {},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"GoodFileStored",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"Deutsch", kGood}, {"English", kGood}},
                                  {},
                                  "English",
                                  "EN label1",
                                  "Language3"},
                      StartupCase{"StoredFileMissing",
                                  "[Programma]\nTaalkeuze=Klingon\n",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"StoredNameIsAFolder",
                                  "[Programma]\nTaalkeuze=Map\n",
                                  {{"Map.lng/inhoud", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"LanguageUnknown",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"English", languageFile("Onbekend", "Brontara", "EN")}},
                                  {ownError("EN")},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"LanguageUnknownInLowerCaseIsAccepted",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"English", languageFile("onbekend", "Brontara", "EN")}},
                                  {},
                                  "English",
                                  "EN label1",
                                  "Language2"},
                      StartupCase{"LanguageStartsWithAControlCharacter",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"English", languageFile("\x01nglish", "Brontara", "EN")}},
                                  {ownError("EN")},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"ProgramInOtherLetterCase",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"English", languageFile("English", "brontara", "EN")}},
                                  {ownError("EN")},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"BothTestsFail",
                                  "[Programma]\nTaalkeuze=English\n",
                                  {{"English", languageFile("", "Nevora", "EN")}},
                                  {ownError("EN"), ownError("EN")},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"RejectedFileWithoutMessages",
                                  "[Programma]\nTaalkeuze=Kaal\n",
                                  {{"Kaal", "[File info]\nLanguage=Kaal\n"}},
                                  {languageError("", "")},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"StoredNameInOtherLetterCase",
                                  "[Programma]\nTaalkeuze=english\n",
                                  {{"English", kGood}},
                                  {},
                                  "english",
                                  "EN label1",
                                  ""},
                      StartupCase{"StoredNameLeavesTheFolder",
                                  "[Programma]\nTaalkeuze=..\\Buiten\n",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"StoredNameLeavesTheFolderWithSlashes",
                                  "[Programma]\nTaalkeuze=../Buiten\n",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"},
                      StartupCase{"StoredNameIsAWildcard",
                                  "[Programma]\nTaalkeuze=*\n",
                                  {{"English", kGood}},
                                  {dutchLanguageError(), dutchLanguageError(), dutchLanguageError()},
                                  "Nederlands",
                                  kDutchLabel1,
                                  "Nederlands1"}),
    [](const auto& info) { return std::string(info.param.name); });

// Message texts that the formatter cannot format: the unhandled-error box
// replaces the message, and the rest of the creation handler is skipped.
struct FormatCase {
    const char* name;
    std::string taalLeesErr;
    std::vector<Box> boxes;
};

class LanguageMessageFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LanguageMessageFormatTest, IsShownAsTheFormatterGivesIt) {
    ProgramFolder folder;
    folder.writeSettings("[Programma]\nTaalkeuze=Fout\n");
    folder.writeLanguage("Fout", "[File info]\nLanguage=Fout\nProgram=Nevora\n[Meldingen]\nTitel_fout=Titel\n"
                                 "Taal_lees_err=" +
                                     GetParam().taalLeesErr + "\n");
    auto form = folder.mainWindow();
    folder.guarded([&] { form->initialise(); });
    EXPECT_EQ(folder.platform.boxes, GetParam().boxes);
}

Box unhandled(const std::string& text) {
    return Box{text, "Brontara", 0x10};
}

INSTANTIATE_TEST_SUITE_P(
    Templates, LanguageMessageFormatTest,
    ::testing::Values(
        FormatCase{"TextConversionVanishes", "Lees %s fout", {languageError("Lees  fout", "Titel")}},
        FormatCase{"DoubledPercentIsOne", "100%% fout%", {languageError("100% fout", "Titel")}},
        FormatCase{"DecimalConversion",
                   "Fout %d",
                   {unhandled("Format '%d' invalid or incompatible with argument.")}},
        FormatCase{"TwoTextConversions", "%s en %s", {unhandled("No argument for format '%s'")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageMessageFormat, FormatErrorStopsBeforeTheFallback) {
    ProgramFolder folder;
    folder.writeSettings("[Programma]\nTaalkeuze=Fout\n");
    folder.writeLanguage("Fout", "[File info]\nLanguage=Fout\n[Meldingen]\nTaal_lees_err=%d\n");
    auto form = folder.mainWindow();
    EXPECT_FALSE(folder.guarded([&] { form->initialise(); }));
    ASSERT_EQ(folder.platform.boxes.size(), 1u);
    // The handler stopped at the box: no fallback ran.
    EXPECT_EQ(form->language().current(), "Fout");
    EXPECT_EQ(checkedLanguageItem(*form), "Language2");
}

// The language submenu: one radio item per file, in listing order.
struct MenuCase {
    const char* name;
    std::string stored;
    std::vector<std::string> files; // created in Dump/Languages (a trailing "/" makes a folder)
    std::vector<std::pair<std::string, std::string>> items;
    std::string checked;
};

class LanguageMenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(LanguageMenuTest, ListsTheFilesAndMarksTheStoredLanguage) {
    const MenuCase& c = GetParam();
    ProgramFolder folder;
    for (const std::string& f : c.files) {
        if (f.back() == '/')
            folder.tmp.mkdir("prog/Dump/Languages/" + f);
        else
            folder.tmp.write("prog/Dump/Languages/" + f, kGood);
    }
    auto form = folder.mainWindow();
    form->language().buildMenu(folder.context.folders.languagesFolder(), c.stored);
    EXPECT_EQ(languageItems(*form), c.items);
    EXPECT_EQ(checkedLanguageItem(*form), c.checked);
    for (QAction* item : control<QMenu>(form, "Taal1")->actions()) {
        EXPECT_TRUE(item->isCheckable());
        EXPECT_EQ(item->actionGroup(), control<QActionGroup>(form, "TaalGroup"))
            << "not in the one radio group";
    }
}

using Items = std::vector<std::pair<std::string, std::string>>;

INSTANTIATE_TEST_SUITE_P(
    Folders, LanguageMenuTest,
    ::testing::Values(
        MenuCase{"NoFilesAndDutchStored", "Nederlands", {}, Items{{"Nederlands1", "Nederlands"}}, ""},
        MenuCase{"DutchStored",
                 "Nederlands",
                 {"English.lng", "Deutsch.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "Deutsch"}, {"Language3", "English"}},
                 "Nederlands1"},
        MenuCase{"FileStored",
                 "English",
                 {"English.lng", "Deutsch.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "Deutsch"}, {"Language3", "English"}},
                 "Language3"},
        MenuCase{"StoredInOtherLetterCase",
                 "english",
                 {"English.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "English"}},
                 ""},
        MenuCase{"NothingStored",
                 "",
                 {"English.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "English"}},
                 ""},
        MenuCase{"FileNamedAfterTheBuiltInLanguage",
                 "Nederlands",
                 {"Nederlands.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "Nederlands"}},
                 "Nederlands1"},
        MenuCase{"NameKeepsAllButItsLastExtension",
                 "Frans.oud",
                 {"Frans.oud.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "Frans.oud"}},
                 "Language2"},
        MenuCase{"OtherFilesAreNotListed",
                 "Nederlands",
                 {"English.txt", "English.lng.bak", "Deutsch.LNG"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", "Deutsch"}},
                 "Nederlands1"},
        MenuCase{"FoldersAndHiddenFilesAreListed",
                 "Nederlands",
                 {"Map.lng/", ".Verborgen.lng"},
                 Items{{"Nederlands1", "Nederlands"}, {"Language2", ".Verborgen"}, {"Language3", "Map"}},
                 "Nederlands1"},
        MenuCase{
            "ListedWithoutRegardToCase",
            "b",
            {"b.lng", "A.lng", "C.lng"},
            Items{{"Nederlands1", "Nederlands"}, {"Language2", "A"}, {"Language3", "b"}, {"Language4", "C"}},
            "Language3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageMenu, MissingLanguagesFolderAddsNothing) {
    ProgramFolder folder;
    auto form = folder.mainWindow();
    form->language().buildMenu(folder.context.folders.programFolder + "Dump\\Nergens", "Nederlands");
    EXPECT_EQ(languageItems(*form), (Items{{"Nederlands1", "Nederlands"}}));
    EXPECT_EQ(checkedLanguageItem(*form), "");
}

// Clicks on the submenu.
class LanguageClickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.writeSettings("[Programma]\nTaalkeuze=English\n");
        folder.writeLanguage("English", kGood);
        folder.writeLanguage("Gebrekkig", languageFile("Gebrekkig", "Nevora", "GB"));
        folder.writeLanguage("Weg", languageFile("Weg", "Brontara", "WEG"));
        folder.writeLanguage("Nederlands", languageFile("Nederlands", "Brontara", "NL"));
        form = folder.mainWindow();
        folder.guarded([&] { form->initialise(); });
        ASSERT_TRUE(folder.platform.boxes.empty());
        ASSERT_EQ(form->language().current(), "English");
    }
    QAction* item(const std::string& caption) {
        for (QAction* a : control<QMenu>(form, "Taal1")->actions())
            if (a->text().toStdString() == caption && a != control<QAction>(form, "Nederlands1")) return a;
        ADD_FAILURE() << "no item " << caption;
        return control<QAction>(form, "Nederlands1");
    }
    void click(QAction* a) { a->trigger(); }

    ProgramFolder folder;
    MainWindow* form = nullptr;
};

TEST_F(LanguageClickTest, BuiltInItemAppliesDutch) {
    click(control<QAction>(form, "Nederlands1"));
    EXPECT_TRUE(folder.platform.boxes.empty());
    EXPECT_EQ(form->language().current(), "Nederlands");
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")).toStdString(),
              "Selecteer een route waarin u in het onweer wilt gaan rijden:");
    EXPECT_EQ(checkedLanguageItem(*form), "Nederlands1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nederlands");
}

TEST_F(LanguageClickTest, GoodFileIsAppliedAndMarked) {
    click(control<QAction>(form, "Nederlands1"));
    click(item("English"));
    EXPECT_TRUE(folder.platform.boxes.empty());
    EXPECT_EQ(form->language().current(), "English");
    EXPECT_EQ(visibleText(control<QLabel>(form, "Label1")).toStdString(), "EN label1");
    EXPECT_EQ(checkedLanguageItem(*form), item("English")->objectName().toStdString());
}

TEST_F(LanguageClickTest, UnfitFileIsReportedInTheLanguageActiveBeforeTheClick) {
    click(item("Gebrekkig"));
    EXPECT_EQ(folder.platform.boxes, (std::vector<Box>{ownError("EN")}));
    EXPECT_EQ(form->language().current(), "Nederlands");
    EXPECT_EQ(checkedLanguageItem(*form), "Nederlands1");
    EXPECT_EQ(folder.setting("Programma", "Taalkeuze"), "Nederlands");
}

TEST_F(LanguageClickTest, FileGoneSinceStartIsReportedTwice) {
    folder.removeLanguage("Weg");
    click(item("Weg"));
    EXPECT_EQ(folder.platform.boxes, (std::vector<Box>{ownError("EN"), ownError("EN")}));
    EXPECT_EQ(form->language().current(), "Nederlands");
    EXPECT_EQ(checkedLanguageItem(*form), "Nederlands1");
}

TEST_F(LanguageClickTest, FileNamedAfterTheBuiltInLanguageEndsInTheBuiltInTexts) {
    click(item("Nederlands"));
    EXPECT_TRUE(folder.platform.boxes.empty());
    EXPECT_EQ(form->language().current(), "Nederlands");
    EXPECT_EQ(form->language().texts().errorTitle, "Fout");
    // The file's item keeps the mark it was given; the built-in texts are shown.
    EXPECT_EQ(checkedLanguageItem(*form), item("Nederlands")->objectName().toStdString());
}

TEST_F(LanguageClickTest, RouteBoxShowsTheNewPlaceholder) {
    control<QComboBox>(form, "RouteBox")->addItem(QStringLiteral("Zonnedal"));
    control<QComboBox>(form, "RouteBox")->setCurrentIndex(0);
    click(control<QAction>(form, "Nederlands1"));
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->currentText(), QStringLiteral("Geen route geselecteerd"));
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->count(), 1);
}

} // namespace
