// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/SessionEnd.h"

#include <gtest/gtest.h>

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

} // namespace
