// SPDX-License-Identifier: GPL-3.0-or-later
// A simulator that the location window found in another Wine prefix than the
// one in force: its storm is installed there, and a later start without that
// prefix in force still finds the storm and puts every byte back.
#include "StormWindow.h"
#include "core/program/Settings.h"
#include "gui/SimulatorFolderWindow.h"
#include "location/WinePrefix.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>

using storm_test::StormFixture;
using storm_test::StormWindow;
using testing_support::ScopedEnv;
using testing_support::ScriptedPlatform;
namespace fs = std::filesystem;

namespace {

TEST(FoundPrefixStorm, RestoresByteForByteAfterARestartWithoutWINEPREFIX) {
    StormFixture fx;
    fx.addRoute("Zonnedal", {"rain.env"});
    const std::string home = fx.dir.mkdir("home");
    const ScopedEnv homeEnv("HOME", home);
    const std::string bottle = home + "/.local/share/bottles/bottles/MSTS";
    WinePrefix::makeOther(bottle, "",
                          WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\MSTS\"\n"));
    const std::string simulator = fs::canonical(bottle).string() + "/drive_c/MSTS";
    fs::copy(fx.simulator, simulator, fs::copy_options::recursive);
    fs::remove_all(fx.simulator); // only the copy in the prefix is left to change
    const auto before = testing_support::snapshot(simulator);
    fx.dir.write("Brontara/Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n");
    {
        // The first start: another prefix is in force, the window finds the bottle's simulator.
        WinePrefix::layOut(fx.dir / "in-force");
        const ScopedEnv inForce("WINEPREFIX", fx.dir / "in-force");
        ScriptedPlatform platform;
        platform.searchWinePrefixes = true;
        testing_support::ProgramWindows windows(platform, fx.programFolder());
        platform.queueModal([](QDialog& dialog) {
            testing_support::control<QPushButton>(dialog, "Button1")->click();
            return dialog.result();
        });
        windows.context.guard.run([&] { windows.simulatorFolderWindow().initialise(); });
        ASSERT_EQ(settings::readSimulatorFolder(windows.context.folders), simulator);
        StormWindow first(fx, platform);
        first.make("Zonnedal");
        ASSERT_TRUE(first.locked());
        ASSERT_NE(testing_support::snapshot(simulator), before);
    }
    const ScopedEnv noPrefix("WINEPREFIX", std::nullopt);
    ScriptedPlatform platform;
    StormWindow next(fx, platform);
    ASSERT_TRUE(next.locked());
    next.restore();
    EXPECT_TRUE(next.selecting());
    EXPECT_EQ(testing_support::snapshot(simulator), before);
    EXPECT_TRUE(platform.boxes.empty());
}

} // namespace
