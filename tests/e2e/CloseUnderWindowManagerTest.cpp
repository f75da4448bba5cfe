// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under real window managers: while a storm is installed,
// Alt+F4 on the main window must show the refusal box and leave the program
// running (Xvfb, the window manager and xdotool; skipped without them).
#include "ProgramRun.h"
#include "core/storm/StormJournal.h"
#include "platform/FileSystem.h"
#include "support/XvfbServer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testing_support::ProgramCopy;
using testing_support::ProgramProcess;
using testing_support::TempDir;

// The full path of a program on PATH; empty when there is none.
std::string onPath(const std::string& program) {
    std::string found;
    if (FILE* p = popen(("command -v " + program + " 2>/dev/null").c_str(), "r")) {
        char buffer[512];
        if (std::fgets(buffer, sizeof buffer, p)) found = buffer;
        pclose(p);
    }
    while (!found.empty() && (found.back() == '\n' || found.back() == '\r'))
        found.pop_back();
    return found;
}

std::string run(const std::string& display, const std::string& command) {
    std::string out;
    if (FILE* p = popen(("DISPLAY=" + display + " " + command + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, p))
            out += buffer;
        pclose(p);
    }
    return out;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(100ms);
    return condition();
}

// The first visible window with exactly this title, as xdotool names it.
std::string visibleWindow(const std::string& display, const std::string& title) {
    const std::string ids = run(display, "xdotool search --onlyvisible --name '^" + title + "$'");
    return ids.substr(0, ids.find('\n'));
}

// The journal of a storm whose back-ups were being taken: the program opens locked.
std::string lockedJournal(const ProgramCopy& program) {
    storm::StormJournal journal;
    journal.record.simulatorFolder = program.simulator();
    journal.simulatorLocation = platform::resolvedPath(program.simulator()).value_or(program.simulator());
    journal.record.route = "Zonnedal";
    journal.record.rainEnvNames = {"rain.env"};
    journal.record.rainSoundNames = {"rain_in.sms", "rain_ex.sms"};
    journal.rainEnvExisted = {true};
    journal.rainSoundExisted = {true, true};
    return journal.toText().value();
}

class CloseUnderWindowManager : public testing::TestWithParam<const char*> {};

TEST_P(CloseUnderWindowManager, AltF4OnTheLockedWindowShowsTheRefusalBox) {
    const std::string manager = onPath(GetParam());
    if (manager.empty()) GTEST_SKIP() << GetParam() << " is not installed";
    if (onPath("xdotool").empty()) GTEST_SKIP() << "xdotool is not installed";
    testing_support::XvfbServer x("1024x768x24");
    if (!x.running()) GTEST_SKIP() << "no X server: " << x.whyNot();

    TempDir runtime;
    ProgramProcess windowManager(manager, {x.display(), runtime.path()});
    ASSERT_TRUE(waitFor(
        [&] {
            return run(x.display(), "xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                   std::string::npos;
        },
        20s))
        << GetParam() << " did not start: " << windowManager.output();

    ProgramCopy program;
    program.writeFinishedFirstStart();
    std::FILE* f = std::fopen((program.programFolder() + "/Dump/storm_journal.ini").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string journal = lockedJournal(program);
    std::fwrite(journal.data(), 1, journal.size(), f);
    std::fclose(f);

    ProgramProcess brontara(program.executable(), {x.display(), runtime.path()});
    std::string window;
    ASSERT_TRUE(waitFor([&] { return !(window = visibleWindow(x.display(), "Brontara")).empty(); }, 20s))
        << brontara.output();
    // A real key press (XTEST), which the window manager's own key binding takes.
    // On a loaded machine the window manager may not yet have given the window
    // the focus when the first press arrives, so the press is tried again while
    // no box has come; a program that ignores Alt+F4 still fails every try.
    std::string refusal;
    bool refused = false;
    for (int attempt = 0; attempt < 3 && !refused; ++attempt) {
        run(x.display(), "xdotool windowactivate --sync " + window);
        std::this_thread::sleep_for(500ms);
        run(x.display(), "xdotool key alt+F4");
        refused = waitFor(
            [&] { return !(refusal = visibleWindow(x.display(), "Fout bij afsluiten")).empty(); }, 5s);
    }
    EXPECT_TRUE(refused) << "Alt+F4 under " << GetParam() << " showed no refusal box";
    EXPECT_TRUE(brontara.running());

    // Answered, the box goes and the locked window stays.
    if (!refusal.empty()) {
        run(x.display(), "xdotool windowactivate --sync " + refusal + " key Return");
        EXPECT_TRUE(waitFor([&] { return visibleWindow(x.display(), "Fout bij afsluiten").empty(); }, 10s));
    }
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(brontara.running());
    EXPECT_EQ(visibleWindow(x.display(), "Brontara"), window);
    brontara.kill(SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, CloseUnderWindowManager, testing::Values("metacity", "openbox"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
