// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes: the text as the formatter makes it, the detail
// after an empty line, the buttons, icon and default button, and the answer.
#include "core/program/MessageBoxes.h"
#include "platform/Error.h"
#include "platform/Platform.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace {

using testing_support::CallLog;
using testing_support::RecordingPlatform;
using Box = RecordingPlatform::Box;
namespace mb = platform::mb;

struct TextCase {
    const char* message;
    const char* detail;
    const char* shown;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.message << "\" + \"" << c.detail << '"';
}

class MessageBoxTextTest : public testing::TestWithParam<TextCase> {
  protected:
    CallLog log;
    RecordingPlatform platform{log};
    MessageBoxes boxes{platform};
};

TEST_P(MessageBoxTextTest, AnErrorShowsTheFormattedMessageThenItsDetail) {
    boxes.showError(GetParam().message, "Fout", GetParam().detail);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{GetParam().shown, "Fout", 16u}));
}

TEST_P(MessageBoxTextTest, AQuestionShowsTheSameText) {
    platform.queueAnswer(platform::answer::Yes);
    boxes.askYesNo(GetParam().message, "Waarschuwing", GetParam().detail);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MessageBoxTextTest,
    testing::Values(TextCase{"Geen route", "", "Geen route"}, TextCase{"100%% zeker%s", "", "100% zeker"},
                    TextCase{"Klaar%", "", "Klaar"}, TextCase{"", "", ""},
                    // The detail follows an empty line and is shown as it is, never formatted.
                    TextCase{"Bewaard in:", "C:\\Dump\\storm_kept_1",
                             "Bewaard in:\n\nC:\\Dump\\storm_kept_1"},
                    TextCase{"Niet hersteld: %s", "C:\\100%\\a.env\nC:\\%d\\b.env",
                             "Niet hersteld: \n\nC:\\100%\\a.env\nC:\\%d\\b.env"},
                    TextCase{"", "C:\\x", "\n\nC:\\x"}));

struct QuestionCase {
    bool noByDefault;
    int answer;
    unsigned flags;
    bool yes;
};

void PrintTo(const QuestionCase& c, std::ostream* os) {
    *os << (c.noByDefault ? "No by default, " : "") << "answer " << c.answer;
}

class QuestionTest : public testing::TestWithParam<QuestionCase> {};

TEST_P(QuestionTest, IsAWarningWithYesAndNoAndTrueOnlyForYes) {
    CallLog log;
    RecordingPlatform platform{log};
    const QuestionCase& c = GetParam();
    platform.queueAnswer(c.answer);
    EXPECT_EQ(MessageBoxes(platform).askYesNo("Doorgaan?", "Waarschuwing", "", c.noByDefault), c.yes);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{"Doorgaan?", "Waarschuwing", c.flags}));
}

// Yes and No with the warning icon, as the Windows API numbers them; 308 adds No as the default.
constexpr unsigned kYesNoWarning = 52;
INSTANTIATE_TEST_SUITE_P(Answers, QuestionTest,
                         testing::Values(QuestionCase{false, platform::answer::Yes, kYesNoWarning, true},
                                         QuestionCase{false, platform::answer::No, kYesNoWarning, false},
                                         QuestionCase{true, platform::answer::Yes, 308, true},
                                         QuestionCase{true, platform::answer::No, 308, false},
                                         // A box closed another way is no Yes.
                                         QuestionCase{false, platform::answer::Cancel, kYesNoWarning, false},
                                         QuestionCase{false, platform::answer::None, kYesNoWarning, false},
                                         QuestionCase{true, platform::answer::Ok, 308, false}));

TEST(MessageBoxes, AnInformationBoxIsFormattedWithOkAndTheInformationIcon) {
    CallLog log;
    RecordingPlatform platform{log};
    MessageBoxes(platform).showInformation("100%% gevonden%s", "Voltooid");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{"100% gevonden", "Voltooid", mb::Ok | mb::IconInformation}));
}

TEST(MessageBoxes, AMessageTheFormatterRefusesShowsNoBox) {
    CallLog log;
    RecordingPlatform platform{log};
    const MessageBoxes boxes(platform);
    EXPECT_THROW(boxes.showError("%d routes", "Fout", "detail"), platform::AppError);
    EXPECT_THROW(boxes.askYesNo("%1:s?", "Waarschuwing"), platform::AppError);
    EXPECT_TRUE(log.empty());
}

} // namespace
