// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/SessionEnd.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct SessionCase {
    bool stormActive;
    bool userMayBeAsked;
    SessionEndAnswer answer;
};

class SessionEndTest : public testing::TestWithParam<SessionCase> {};

TEST_P(SessionEndTest, TheSessionMayEndOnlyWithoutAStorm) {
    EXPECT_EQ(answerSessionEnd(GetParam().stormActive, GetParam().userMayBeAsked), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionEndTest,
                         testing::Values(SessionCase{false, true, {false, false}},
                                         SessionCase{false, false, {false, false}},
                                         SessionCase{true, true, {true, true}},
                                         SessionCase{true, false, {false, true}}));

// The shutdown screen shows the text as the box does; one the box cannot format, as it stands.
TEST(SessionEndReason, IsTheCloseGuardsTextAsTheBoxShowsIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"Het programma kan niet worden afgesloten.", "Het programma kan niet worden afgesloten."},
        {"Nog 100%% werk%s", "Nog 100% werk"},
        {"Fout %d", "Fout %d"},
        {"%s en %s", "%s en %s"},
    };
    for (const auto& [text, reason] : cases)
        EXPECT_EQ(sessionEndReason(text), reason) << text;
}

} // namespace
