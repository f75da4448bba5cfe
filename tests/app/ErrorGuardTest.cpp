// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/ErrorGuard.h"
#include "platform/Error.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace {

using Box = testing_support::ScriptedPlatform::Box;

TEST(ErrorGuard, ShowsAnEscapedErrorInTheUnhandledErrorBoxAndAbandonsTheHandler) {
    testing_support::ScriptedPlatform platform;
    ErrorGuard guard(platform);
    bool reachedEnd = false;
    EXPECT_FALSE(guard.run([&] {
        throw platform::AppError("Unable to write to /p/Dump\\All_dat.ini");
        reachedEnd = true;
    }));
    EXPECT_FALSE(reachedEnd);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{"Unable to write to /p/Dump\\All_dat.ini.", "Brontara", 16}));
}

TEST(ErrorGuard, AHandlerThatEndsNormallyShowsNothing) {
    testing_support::ScriptedPlatform platform;
    ErrorGuard guard(platform);
    int runs = 0;
    EXPECT_TRUE(guard.run([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST(ErrorGuard, CatchesEveryStandardError) {
    testing_support::ScriptedPlatform platform;
    ErrorGuard guard(platform);
    EXPECT_FALSE(guard.run([] { throw std::runtime_error("kapot"); }));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, "kapot.");
}

} // namespace
