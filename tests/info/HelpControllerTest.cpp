// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu's controller without a window: the question it asks, the
// document each answer opens, and the box when that document is not there.
#include "core/help/HelpController.h"
#include "core/help/HelpDocuments.h"
#include "core/language/MainTexts.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "platform/Platform.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using testing_support::CallLog;
using testing_support::RecordingPlatform;
using testing_support::TempDir;

// Answers the help-language question as queued; the question is a log line.
class ScriptedHelpView : public help::HelpView {
  public:
    explicit ScriptedHelpView(CallLog& log) : log_(log) {}
    int askHelpLanguage(const std::string& question, const std::string& title) override {
        log_.push_back("ask " + title + "|" + question);
        return answer;
    }
    int answer = 2;

  private:
    CallLog& log_;
};

constexpr unsigned kError = platform::mb::Ok | platform::mb::IconError;

class HelpControllerTest : public testing::Test {
  protected:
    HelpControllerTest() {
        texts.helpQuestionTitle = "Choose a language";
        texts.helpNotFound = "Cannot open the help file.";
        texts.errorTitle = "Error";
    }
    std::string question() const { return "ask Choose a language|" + std::string(kHelpLanguageQuestion); }
    std::string document(std::string_view name) const { return folders.programFolder + std::string(name); }

    TempDir dir;
    Folders folders{dir.path() + "/"};
    MainTexts texts;
    CallLog log;
    RecordingPlatform platform{log};
    MessageBoxes boxes{platform};
    ScriptedHelpView view{log};
    help::HelpController controller{platform, folders, texts, boxes, view};
};

struct AnswerCase {
    int answer;
    const char* opens; // nullptr: nothing is opened and nothing shown
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << "answer " << c.answer;
}

class HelpAnswerTest : public HelpControllerTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(HelpAnswerTest, OpensTheDocumentOfTheAnswerAndNothingElse) {
    dir.write(std::string(kDutchHelpDocument), "Dutch help");
    dir.write(std::string(kEnglishHelpDocument), "English help");
    view.answer = GetParam().answer;
    controller.showHelp();
    CallLog expected{question()};
    if (GetParam().opens) expected.push_back("open " + document(GetParam().opens));
    EXPECT_EQ(log, expected);
}

INSTANTIATE_TEST_SUITE_P(Answers, HelpAnswerTest,
                         testing::Values(AnswerCase{platform::answer::Yes, kDutchHelpDocument.data()},
                                         AnswerCase{platform::answer::No, kEnglishHelpDocument.data()},
                                         AnswerCase{platform::answer::Cancel, nullptr},
                                         AnswerCase{platform::answer::None, nullptr},
                                         AnswerCase{platform::answer::Ok, nullptr}, AnswerCase{-1, nullptr}));

struct MissingCase {
    const char* what;
    int answer;
    bool folderInItsPlace;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.what;
}

class MissingHelpTest : public HelpControllerTest, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingHelpTest, IsOneErrorBoxInTheCurrentTextsAndTheOtherLanguageIsNotTried) {
    const MissingCase& c = GetParam();
    const bool dutch = c.answer == platform::answer::Yes;
    // Only the other language's document is there, or a folder in this one's place.
    dir.write(std::string(dutch ? kEnglishHelpDocument : kDutchHelpDocument), "other help");
    if (c.folderInItsPlace) dir.mkdir(std::string(dutch ? kDutchHelpDocument : kEnglishHelpDocument));
    view.answer = c.answer;
    controller.showHelp();
    EXPECT_EQ(
        log, (CallLog{question(), RecordingPlatform::line({"Cannot open the help file.", "Error", kError})}));
}

INSTANTIATE_TEST_SUITE_P(Documents, MissingHelpTest,
                         testing::Values(MissingCase{"DutchMissing", platform::answer::Yes, false},
                                         MissingCase{"EnglishMissing", platform::answer::No, false},
                                         MissingCase{"FolderForDutch", platform::answer::Yes, true},
                                         MissingCase{"FolderForEnglish", platform::answer::No, true}),
                         [](const testing::TestParamInfo<MissingCase>& info) {
                             return std::string(info.param.what);
                         });

TEST_F(HelpControllerTest, TheBoxReadsTheTextsInForceWhenItIsShown) {
    view.answer = platform::answer::No;
    controller.showHelp();
    texts.helpNotFound = "Kan het help bestand niet openen.";
    texts.errorTitle = "Fout";
    texts.helpQuestionTitle = "Kies een taal";
    controller.showHelp();
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1],
              (RecordingPlatform::Box{"Kan het help bestand niet openen.", "Fout", kError}));
    EXPECT_EQ(log[2], "ask Kies een taal|" + std::string(kHelpLanguageQuestion));
}

} // namespace
