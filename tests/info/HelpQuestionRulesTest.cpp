// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind the help-language question that need no window.
#include "core/help/HelpButtonLabels.h"
#include "core/help/HelpDocuments.h"
#include "core/help/MessageDialogKinds.h"

#include <gtest/gtest.h>

namespace {

struct RelabelCase {
    const char* before;
    const char* after; // nullptr: the caption is not in the table
    int result;
};

void PrintTo(const RelabelCase& c, std::ostream* os) {
    *os << '"' << c.before << '"';
}

class RelabelTable : public ::testing::TestWithParam<RelabelCase> {};

TEST_P(RelabelTable, RelabelsExactlyTheStandardCaptions) {
    const RelabelCase& c = GetParam();
    const auto label = relabelHelpButton(c.before);
    if (!c.after) {
        EXPECT_FALSE(label) << "\"" << c.before << "\" must keep its caption";
        return;
    }
    ASSERT_TRUE(label) << c.before;
    EXPECT_EQ(label->caption, c.after);
    EXPECT_EQ(label->result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, RelabelTable,
    ::testing::Values(RelabelCase{"&Yes", "&Nederlands", 6}, RelabelCase{"Yes", "&Nederlands", 6},
                      RelabelCase{"&No", "&English", 7}, RelabelCase{"No", "&English", 7},
                      RelabelCase{"&Cancel", "&Annuleren", 2}, RelabelCase{"Cancel", "&Annuleren", 2},
                      // Exact and case-sensitive: anything else stays as it is.
                      RelabelCase{"yes", nullptr, 0}, RelabelCase{"&yes", nullptr, 0},
                      RelabelCase{"YES", nullptr, 0}, RelabelCase{"Y&es", nullptr, 0},
                      RelabelCase{"Yes ", nullptr, 0}, RelabelCase{"&Ja", nullptr, 0},
                      RelabelCase{"OK", nullptr, 0}, RelabelCase{"&Nederlands", nullptr, 0},
                      RelabelCase{"", nullptr, 0}));

TEST(HelpDocumentChoice, YesPicksDutchNoPicksEnglishAnythingElseNothing) {
    EXPECT_EQ(helpDocumentFor(6), "Brontara Help (Nederlands).doc");
    EXPECT_EQ(helpDocumentFor(7), "Brontara Help (English).doc");
    for (int other : {0, 1, 2, 3, 4, 5, 8, -1})
        EXPECT_FALSE(helpDocumentFor(other)) << other;
}

struct ButtonRuleCase {
    DialogButtons buttons;
    unsigned enter;  // pressed by Enter
    unsigned escape; // pressed by Escape
};

void PrintTo(const ButtonRuleCase& c, std::ostream* os) {
    *os << "buttons " << c.buttons;
}

class ButtonRules : public ::testing::TestWithParam<ButtonRuleCase> {};

TEST_P(ButtonRules, EnterAndEscapeFollowTheToolkitOrder) {
    const ButtonRuleCase& c = GetParam();
    EXPECT_EQ(defaultButtonOf(c.buttons), c.enter);
    EXPECT_EQ(cancelButtonOf(c.buttons), c.escape);
}

using namespace dialog_button;
INSTANTIATE_TEST_SUITE_P(
    Sets, ButtonRules,
    ::testing::Values(ButtonRuleCase{Yes | No, Yes, No}, ButtonRuleCase{Yes | No | Cancel, Yes, Cancel},
                      ButtonRuleCase{Ok | Cancel, Ok, Cancel}, ButtonRuleCase{Ok, Ok, Ok},
                      ButtonRuleCase{Ok | Yes | No, Ok, No}, ButtonRuleCase{Retry | Cancel, Retry, Cancel},
                      ButtonRuleCase{Abort | Retry | Ignore, Retry, 0u}, ButtonRuleCase{0u, 0u, 0u}));

TEST(ButtonResults, HaveTheWindowsValues) {
    EXPECT_EQ(standardResultOf(Ok), 1);
    EXPECT_EQ(standardResultOf(Cancel), 2);
    EXPECT_EQ(standardResultOf(Abort), 3);
    EXPECT_EQ(standardResultOf(Retry), 4);
    EXPECT_EQ(standardResultOf(Ignore), 5);
    EXPECT_EQ(standardResultOf(Yes), 6);
    EXPECT_EQ(standardResultOf(No), 7);
}

} // namespace
