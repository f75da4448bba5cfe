// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable in a program folder that the player cannot write, as a
// package installs it: its data goes to the player's own data folder.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ProgramCopy;
using testing_support::ProgramProcess;
using testing_support::readFile;
using testing_support::snapshot;
using testing_support::TempDir;

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(50ms);
    return condition();
}

void setWritable(const std::string& folder, bool writable) {
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(folder, write, writable ? fs::perm_options::add : fs::perm_options::remove);
}

TEST(InstalledProgram, KeepsItsDataInThePlayersFolderSeededFromTheShippedOne) {
    ProgramCopy program;
    TempDir data, runtime;
    testing_support::ScopedEnv xdg("XDG_DATA_HOME", data / "share");
    // The player's settings after a finished first start, in the player's folder.
    data.write("share/brontara/Dump/All_dat.ini",
               "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" +
                   program.simulator() + "\r\n");
    setWritable(program.programFolder() + "/Dump", false);
    setWritable(program.programFolder(), false);
    const auto installed = snapshot(program.programFolder());

    ProgramProcess run(program.executable(), {"", runtime.path()});
    ASSERT_TRUE(run.waitForLock(20s)) << run.output();
    const std::string dump = data / "share/brontara/Dump";
    EXPECT_TRUE(waitFor([&] { return fs::exists(dump + "/Languages/English.lng"); }, 20s)) << run.output();
    std::this_thread::sleep_for(500ms); // start-up stores the language it applied
    EXPECT_TRUE(run.running()) << run.output();
    run.kill(SIGKILL);

    EXPECT_EQ(readFile(dump + "/Languages/English.lng"),
              readFile(program.programFolder() + "/Dump/Languages/English.lng"));
    EXPECT_TRUE(fs::is_directory(dump + "/back_up"));
    EXPECT_EQ(readFile(dump + "/All_dat.ini"),
              "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" +
                  program.simulator() + "\r\n");
    EXPECT_EQ(snapshot(program.programFolder()), installed);

    setWritable(program.programFolder(), true);
    setWritable(program.programFolder() + "/Dump", true);
}

TEST(InstalledProgram, AWritableProgramFolderKeepsItsDataBesideTheExecutable) {
    ProgramCopy program;
    program.writeFinishedFirstStart();
    TempDir data, runtime;
    testing_support::ScopedEnv xdg("XDG_DATA_HOME", data / "share");

    ProgramProcess run(program.executable(), {"", runtime.path()});
    ASSERT_TRUE(run.waitForLock(20s)) << run.output();
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(run.running()) << run.output();
    run.kill(SIGKILL);

    EXPECT_FALSE(fs::exists(data / "share/brontara"));
}

} // namespace
