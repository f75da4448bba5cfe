// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable: one instance at a time, and an exit status of 0.
#include "ProgramRun.h"
#include "platform/WindowFinder.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testing_support::ProgramCopy;
using testing_support::ProgramProcess;
using testing_support::TempDir;

// The shown main window. Qt also makes a hidden 1x1 leader window with the
// application's title, so the first window of that title is not enough here.
platform::WindowId visibleWindowTitled(const std::string& title) {
    std::string command = "xdotool search --onlyvisible --name '^" + title + "$' 2>/dev/null";
    FILE* p = popen(command.c_str(), "r");
    if (!p) return 0;
    unsigned long long id = 0;
    if (fscanf(p, "%llu", &id) != 1) id = 0;
    pclose(p);
    return id;
}

struct Phase {
    const char* name;
    bool finishedFirstStart; // without it the first-run windows are open
};

class SecondStart : public ::testing::TestWithParam<Phase> {};

TEST_P(SecondStart, EndsAtOnceSilentlyWithStatusZeroAndLeavesTheFirstRunning) {
    ProgramCopy program;
    if (GetParam().finishedFirstStart) program.writeFinishedFirstStart();
    TempDir runtime;
    ProgramProcess first(program.executable(), {"", runtime.path()});
    ASSERT_TRUE(first.waitForLock(20s)) << first.output();

    ProgramProcess second(program.executable(), {"", runtime.path()});
    auto status = second.waitForExit(10s);
    ASSERT_TRUE(status.has_value()) << "the second start did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(second.output(), ""); // nothing shown, nothing said
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(first.holdsLock());
}

INSTANTIATE_TEST_SUITE_P(Phases, SecondStart,
                         ::testing::Values(Phase{"FirstRunWindowsOpen", false},
                                           Phase{"MainWindowShown", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Start, AfterTheFirstInstanceEndedHoweverANewStartRuns) {
    ProgramCopy program;
    program.writeFinishedFirstStart();
    TempDir runtime;
    {
        ProgramProcess first(program.executable(), {"", runtime.path()});
        ASSERT_TRUE(first.waitForLock(20s)) << first.output();
        first.kill(SIGKILL);
        ASSERT_TRUE(first.waitForExit(10s).has_value());
    }
    ProgramProcess next(program.executable(), {"", runtime.path()});
    EXPECT_TRUE(next.waitForLock(20s)) << next.output();
    EXPECT_TRUE(next.running());
}

TEST(Start, ClosingTheMainWindowEndsWithStatusZeroAndFreesTheClaim) {
    testing_support::XvfbServer x;
    if (!x.running()) GTEST_SKIP() << "no X server for the window to close: " << x.whyNot();
    setenv("DISPLAY", x.display().c_str(), 1);

    ProgramCopy program;
    program.writeFinishedFirstStart();
    TempDir runtime;
    ProgramProcess first(program.executable(), {x.display(), runtime.path()});
    ASSERT_TRUE(first.waitForLock(20s)) << first.output();
    platform::WindowId window = 0;
    for (int i = 0; i < 200 && !window; ++i) {
        window = visibleWindowTitled("Brontara");
        if (!window) std::this_thread::sleep_for(50ms);
    }
    ASSERT_NE(window, 0u) << "the main window never appeared (is xdotool installed?)";
    ASSERT_TRUE(platform::postCloseRequest(window));
    auto status = first.waitForExit(20s);
    ASSERT_TRUE(status.has_value()) << "closing the main window did not end the program";
    EXPECT_EQ(*status, 0);

    ProgramProcess next(program.executable(), {"", runtime.path()});
    EXPECT_TRUE(next.waitForLock(20s)) << next.output();
}

} // namespace
