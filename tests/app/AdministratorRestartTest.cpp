// SPDX-License-Identifier: GPL-3.0-or-later
// Starting again as administrator: the new instance finds the single-instance
// claim free and this one ends; a refused prompt leaves the claim with this
// instance and the program running.
#include "gui/platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::DesktopPlatform;
using platform::InstanceClaim;

struct Restart {
    const char* what;
    bool promptAllowed;
};

class AdministratorRestartTest : public testing::TestWithParam<Restart> {};

TEST_P(AdministratorRestartTest, HandsTheClaimOverOnlyWhenTheNewInstanceStarts) {
    const std::string name = "Brontara restart test " + std::string(GetParam().what);
    int started = 0, ended = 0;
    bool newInstanceCouldClaim = false;
    DesktopPlatform desktop(DesktopPlatform::Restart{[&](const std::string& executable) {
                                                         ++started;
                                                         EXPECT_FALSE(executable.empty());
                                                         // What the new instance does first: claim the name.
                                                         newInstanceCouldClaim =
                                                             InstanceClaim::tryClaim(name) != nullptr;
                                                         return GetParam().promptAllowed;
                                                     },
                                                     [&] { ++ended; }});
    desktop.holdClaim(InstanceClaim::tryClaim(name), name);
    ASSERT_TRUE(desktop.holdsClaim());

    EXPECT_EQ(desktop.restartAsAdministrator(), GetParam().promptAllowed);

    EXPECT_EQ(started, 1);
    EXPECT_TRUE(newInstanceCouldClaim);
    EXPECT_EQ(ended, GetParam().promptAllowed ? 1 : 0);
    // Refused: this instance is the one instance again, and a second start stays silent.
    EXPECT_EQ(desktop.holdsClaim(), !GetParam().promptAllowed);
    EXPECT_EQ(InstanceClaim::tryClaim(name) == nullptr, !GetParam().promptAllowed);
}

INSTANTIATE_TEST_SUITE_P(Prompt, AdministratorRestartTest,
                         testing::Values(Restart{"Allowed", true}, Restart{"Refused", false}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
