// SPDX-License-Identifier: GPL-3.0-or-later
// The language controller without a window: which captions it sets and in
// which order, what it holds for the message boxes, when it tells the view a
// language is in place, and the boxes of a language file that does not fit.
#include "core/language/LanguageController.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "core/program/Settings.h"
#include "platform/Error.h"
#include "platform/Platform.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

namespace {

using testing_support::CallLog;
using testing_support::RecordingPlatform;
using testing_support::TempDir;

// Every view call as a line of the shared log; the language menu as radio
// items, where a check mark on one item takes it from the others.
class RecordingView : public lang::LanguageView {
  public:
    explicit RecordingView(CallLog& log) : log_(log) {}
    void setCaption(TextTarget target, const std::string& text) override {
        log_.push_back(captionLine(target, text));
    }
    void addLanguageItem(const std::string& name, bool checked) override {
        log_.push_back("item " + name + (checked ? " checked" : ""));
        if (checked) checkedItem = name;
    }
    void checkBuiltInLanguageItem() override {
        log_.push_back("checkBuiltIn");
        checkedItem = std::string(kBuiltInLanguage);
    }
    void languageApplied(const std::string& language) override { log_.push_back("applied " + language); }

    static std::string captionLine(TextTarget target, const std::string& text) {
        return "caption " + std::to_string(static_cast<int>(target)) + "|" + text;
    }

    std::optional<std::string> checkedItem;

  private:
    CallLog& log_;
};

const std::string kDutchFileError = "Fout tijdens het lezen van taal bestand.";
constexpr unsigned kError = platform::mb::Ok | platform::mb::IconError;

// The text a language file of these tests gives a key: where it comes from.
std::string fileText(const MainTextRow& row) {
    return std::string(row.section) + "/" + std::string(row.key);
}

// A language file with a text for every key of the main table (and none of
// the newer ones), the given identity, and the extra lines.
std::string languageFile(const std::string& language, const std::string& program,
                         const std::map<std::string, std::string>& extraMeldingen = {}) {
    std::map<std::string, std::map<std::string, std::string>> sections;
    for (const MainTextRow& row : kMainTextTable)
        sections[std::string(row.section)][std::string(row.key)] = fileText(row);
    for (const auto& [key, value] : extraMeldingen)
        sections["Meldingen"][key] = value;
    std::string text = "[File info]\r\nLanguage=" + language + "\r\nProgram=" + program + "\r\n";
    for (const auto& [section, keys] : sections) {
        text += "[" + section + "]\r\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

class LanguageControllerTest : public testing::Test {
  protected:
    LanguageControllerTest() {
        dir.mkdir("Dump/Languages");
        dir.write("Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n");
    }
    void writeLanguage(const std::string& name, const std::string& text) const {
        dir.write("Dump/Languages/" + name + ".lng", text);
    }
    // The captions that applying a language sets, in the table's order.
    static CallLog captionsOf(const std::function<std::string(const MainTextRow&)>& textOf) {
        CallLog captions;
        for (const MainTextRow& row : kMainTextTable)
            if (row.target != TextTarget::Held)
                captions.push_back(RecordingView::captionLine(row.target, textOf(row)));
        return captions;
    }
    static CallLog dutchCaptions() {
        return captionsOf([](const MainTextRow& row) { return std::string(row.dutch); });
    }
    std::size_t count(const std::string& line) const { return std::count(log.begin(), log.end(), line); }

    TempDir dir;
    Folders folders{dir.path() + "/"};
    CallLog log;
    RecordingPlatform platform{log};
    MessageBoxes boxes{platform};
    RecordingView view{log};
    lang::LanguageController controller{folders, boxes, view};
};

TEST_F(LanguageControllerTest, TheBuiltInLanguageSetsEveryCaptionInTableOrderThenTellsTheView) {
    controller.apply("Nederlands");
    CallLog expected = dutchCaptions();
    expected.push_back("applied Nederlands");
    EXPECT_EQ(log, expected);
    auto expectDutch = [&](const auto& rows) {
        for (const MainTextRow& row : rows)
            if (row.target == TextTarget::Held) {
                EXPECT_EQ(controller.texts().*row.held, row.dutch) << row.key;
            }
    };
    expectDutch(kMainTextTable);
    expectDutch(kNewerTextRows);
    EXPECT_EQ(settings::readLanguage(folders), "Nederlands");
}

TEST_F(LanguageControllerTest, AFileLanguageSetsItsOwnTextsAndStoresTheChoice) {
    writeLanguage("English", languageFile("English", "Brontara"));
    controller.apply("English");
    CallLog expected = captionsOf(fileText);
    expected.push_back("applied English");
    EXPECT_EQ(log, expected);
    for (const MainTextRow& row : kMainTextTable)
        if (row.target == TextTarget::Held) {
            EXPECT_EQ(controller.texts().*row.held, fileText(row)) << row.key;
        }
    EXPECT_EQ(controller.current(), "English");
    EXPECT_EQ(settings::readLanguage(folders), "English");
}

TEST_F(LanguageControllerTest, OnlyTheNewerTextsFallBackToDutchWhenAFileLacksThem) {
    // The file gives one newer text, an empty one, and leaves out an older key.
    std::string text =
        languageFile("English", "Brontara", {{"Backup_fout", "Backup failed."}, {"Herstel_fout", ""}});
    const std::string errorTitle = "Titel_fout=Meldingen/Titel_fout\r\n";
    text.erase(text.find(errorTitle), errorTitle.size());
    writeLanguage("English", text);
    controller.apply("English");
    const MainTexts& t = controller.texts();
    EXPECT_EQ(t.backupFailed, "Backup failed.");
    for (const MainTextRow& row : kNewerTextRows)
        if (row.key != "Backup_fout") {
            EXPECT_EQ(t.*row.held, row.dutch) << row.key;
        }
    EXPECT_EQ(t.errorTitle, "") << "an older key missing from the file reads as empty";
}

TEST_F(LanguageControllerTest, TheViewHearsOnceAndBeforeARefusedSettingsWrite) {
    writeLanguage("English", languageFile("English", "Brontara"));
    // A folder in the settings file's place refuses the write, also for root.
    std::filesystem::remove(dir / "Dump/All_dat.ini");
    dir.mkdir("Dump/All_dat.ini/blocked");
    EXPECT_THROW(controller.apply("English"), platform::AppError);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "applied English");
    EXPECT_EQ(count("applied English"), 1u);
    EXPECT_EQ(controller.texts().noRouteChosen, "Meldingen/Geen_Route");
}

struct IdentityCase {
    const char* what;
    std::optional<std::string> language; // none: no file at all
    std::string program;
    std::size_t boxes;
};

void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << c.what;
}

class ValidateTest : public LanguageControllerTest, public testing::WithParamInterface<IdentityCase> {};

TEST_P(ValidateTest, EachFailingTestIsOneBoxThenTheBuiltInLanguage) {
    const IdentityCase& c = GetParam();
    if (c.language) writeLanguage("Proef", languageFile(*c.language, c.program));
    controller.apply("Nederlands");
    log.clear();

    controller.chooseFile("Proef");

    const std::string box = RecordingPlatform::line({kDutchFileError, "Fout", kError});
    CallLog expected(c.boxes, box);
    if (c.boxes > 0) {
        expected.push_back("checkBuiltIn");
        const CallLog captions = dutchCaptions();
        expected.insert(expected.end(), captions.begin(), captions.end());
        expected.push_back("applied Nederlands");
    } else {
        const CallLog captions = captionsOf(fileText);
        expected.insert(expected.end(), captions.begin(), captions.end());
        expected.push_back("applied Proef");
    }
    EXPECT_EQ(log, expected);
    EXPECT_EQ(controller.current(), c.boxes > 0 ? "Nederlands" : "Proef");
    EXPECT_EQ(settings::readLanguage(folders), controller.current());
}

INSTANTIATE_TEST_SUITE_P(Identities, ValidateTest,
                         testing::Values(IdentityCase{"Fits", "English", "Brontara", 0},
                                         IdentityCase{"UnknownLanguage", "Onbekend", "Brontara", 1},
                                         IdentityCase{"EmptyLanguage", "", "Brontara", 1},
                                         IdentityCase{"ControlCharacterFirst", "\x01X", "Brontara", 1},
                                         IdentityCase{"OtherProgram", "English", "Nevora", 1},
                                         IdentityCase{"ProgramInOtherCase", "English", "brontara", 1},
                                         IdentityCase{"BothFail", "Onbekend", "Nevora", 2},
                                         IdentityCase{"NoFile", std::nullopt, "", 2}),
                         [](const testing::TestParamInfo<IdentityCase>& info) {
                             return std::string(info.param.what);
                         });

TEST_F(LanguageControllerTest, ARejectionIsWordedInTheLanguageInForce) {
    writeLanguage("English", languageFile("English", "Brontara"));
    controller.apply("English");
    log.clear();
    controller.chooseFile("Verdwenen");
    ASSERT_EQ(platform.boxes.size(), 2u);
    for (const auto& box : platform.boxes)
        EXPECT_EQ(box, (RecordingPlatform::Box{"Meldingen/Taal_lees_err", "Meldingen/Titel_fout", kError}));
}

TEST_F(LanguageControllerTest, AMissingFileFallsBackToDutchBeforeItsBox) {
    controller.loadOrDefault("Verdwenen");
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(CallLog(log.end() - 2, log.end()),
              (CallLog{"applied Nederlands", RecordingPlatform::line({kDutchFileError, "Fout", kError})}));
    EXPECT_EQ(count("applied Nederlands"), 1u);
    EXPECT_EQ(controller.current(), "Nederlands");
}

TEST_F(LanguageControllerTest, AStoredLanguageWithoutItsFileGivesThreeBoxesAndDutch) {
    dir.write("Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Verdwenen\r\nTaalscherm=1\r\n");
    controller.start();
    EXPECT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(controller.current(), "Nederlands");
    EXPECT_EQ(view.checkedItem, "Nederlands");
    EXPECT_EQ(settings::readLanguage(folders), "Nederlands");
}

TEST_F(LanguageControllerTest, AnAdoptedFileThatDoesNotFitIsRejectedInItsOwnWords) {
    writeLanguage("Vreemd", languageFile("Vreemd", "Nevora"));
    controller.adopt("Vreemd");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0],
              (RecordingPlatform::Box{"Meldingen/Taal_lees_err", "Meldingen/Titel_fout", kError}));
    EXPECT_EQ(controller.current(), "Nederlands");
    EXPECT_EQ(log.back(), "applied Nederlands");
}

struct MenuCase {
    const char* what;
    std::vector<std::string> files;
    std::string marked;
    std::optional<std::string> checked; // the item that carries the check mark afterwards
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.what;
}

class BuildMenuTest : public LanguageControllerTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(BuildMenuTest, MarksAtMostTheOneMatchingItem) {
    const MenuCase& c = GetParam();
    for (const std::string& name : c.files)
        writeLanguage(name, languageFile(name, "Brontara"));
    controller.buildMenu(folders.languagesFolder(), c.marked);

    std::vector<std::string> added;
    std::size_t checkedOnAdding = 0;
    for (const std::string& line : log) {
        if (line.rfind("item ", 0) != 0) continue;
        const bool checked = line.size() > 8 && line.compare(line.size() - 8, 8, " checked") == 0;
        checkedOnAdding += checked;
        added.push_back(line.substr(5, line.size() - 5 - (checked ? 8 : 0)));
    }
    std::sort(added.begin(), added.end());
    std::vector<std::string> files = c.files;
    std::sort(files.begin(), files.end());
    EXPECT_EQ(added, files);
    EXPECT_LE(checkedOnAdding, 1u);
    EXPECT_EQ(view.checkedItem, c.checked);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, BuildMenuTest,
    testing::Values(MenuCase{"FileLanguage", {"Duits", "English", "Frans"}, "English", "English"},
                    MenuCase{"BuiltIn", {"Duits", "English"}, "Nederlands", "Nederlands"},
                    MenuCase{"BuiltInWithoutFiles", {}, "Nederlands", std::nullopt},
                    MenuCase{"OtherLetterCase", {"English"}, "english", std::nullopt},
                    MenuCase{"NotInTheFolder", {"English"}, "Verdwenen", std::nullopt}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.what); });

} // namespace
