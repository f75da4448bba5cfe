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

class AdministratorRestartTest : public testing::TestWithParam<bool> {};

TEST_P(AdministratorRestartTest, HandsTheClaimOverOnlyWhenTheNewInstanceStarts) {
    const bool promptAllowed = GetParam();
    const std::string name = "Brontara restart test " + std::to_string(promptAllowed);
    int started = 0, ended = 0;
    bool newInstanceCouldClaim = false;
    const auto start = [&](const std::string& executable) {
        ++started;
        EXPECT_FALSE(executable.empty());
        // What the new instance does first: claim the name.
        newInstanceCouldClaim = InstanceClaim::tryClaim(name) != nullptr;
        return promptAllowed;
    };
    DesktopPlatform desktop(DesktopPlatform::Restart{start, [&] { ++ended; }});
    desktop.holdClaim(InstanceClaim::tryClaim(name), name);
    ASSERT_TRUE(desktop.holdsClaim());

    EXPECT_EQ(desktop.restartAsAdministrator(), promptAllowed);

    EXPECT_EQ(started, 1);
    EXPECT_TRUE(newInstanceCouldClaim);
    EXPECT_EQ(ended, promptAllowed ? 1 : 0);
    // Refused: this instance is the one instance again, and a second start stays silent.
    EXPECT_EQ(desktop.holdsClaim(), !promptAllowed);
    EXPECT_EQ(InstanceClaim::tryClaim(name) == nullptr, !promptAllowed);
}

INSTANTIATE_TEST_SUITE_P(Prompt, AdministratorRestartTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Allowed" : "Refused"; });

} // namespace
