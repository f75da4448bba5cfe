// SPDX-License-Identifier: GPL-3.0-or-later
// The power fails after any one change of installing or restoring a storm:
// what was not flushed is lost, and a fresh start must still put the
// simulator back byte for byte.
#include "FaultyFiles.h"
#include "PowerCutFiles.h"
#include "RouteKinds.h"
#include "StormFixture.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::interruptedRouteKinds;
using storm_test::PowerCutFiles;
using storm_test::prepareRoute;
using storm_test::RouteKind;
using storm_test::StormFixture;
using testing_support::readFile;

namespace {

// Installs, plays for a while (everything reaches the disk), and restores
// from the journal on disk, as the restore button does.
void installAndRestore(PowerCutFiles& files, const StormFixture& fx, const RouteKind& kind) {
    const auto result =
        StormInstaller(files, fx.programFolder()).install(fx.record("Route", kind.rainNames, kind.byPattern));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    files.settle();
    const auto journal = StormJournal::parse(readFile(fx.journalFile()));
    ASSERT_TRUE(journal);
    EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(*journal).complete());
}

std::size_t changesOfAWholeCycle(const RouteKind& kind) {
    StormFixture fx;
    prepareRoute(fx, kind);
    PowerCutFiles files;
    installAndRestore(files, fx, kind);
    return files.changes;
}

class PowerCutTest : public testing::TestWithParam<RouteKind> {};

TEST_P(PowerCutTest, AFreshStartAfterAPowerCutAtAnyChangeLeavesTheSimulatorAsItWas) {
    const RouteKind& kind = GetParam();
    const std::size_t total = changesOfAWholeCycle(kind);
    ASSERT_GE(total, 28u);
    for (std::size_t cut = 1; cut <= total; ++cut) {
        SCOPED_TRACE("power cut after change " + std::to_string(cut) + " of " + std::to_string(total));
        StormFixture fx;
        prepareRoute(fx, kind);
        const auto before = fx.simulatorSnapshot();
        PowerCutFiles files;
        files.cutAfter = cut;
        bool cutHappened = false;
        try {
            installAndRestore(files, fx, kind);
        } catch (const PowerCutFiles::PowerCut&) {
            cutHappened = true;
            files.loseUnflushed();
        }
        ASSERT_TRUE(cutHappened);

        // A fresh start knows only what reached the disk.
        if (std::filesystem::exists(fx.journalFile())) {
            const auto journal = StormJournal::parse(readFile(fx.journalFile()));
            ASSERT_TRUE(journal) << readFile(fx.journalFile());
            FaultyFiles plain;
            const auto restored = StormRestorer(plain, fx.programFolder()).restore(*journal);
            EXPECT_TRUE(restored.complete()) << (restored.notRestored.empty() ? "" : restored.notRestored[0]);
        }
        EXPECT_EQ(fx.simulatorSnapshot(), before);
        EXPECT_FALSE(std::filesystem::exists(fx.journalFile()));
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, PowerCutTest, testing::ValuesIn(interruptedRouteKinds()),
                         [](const auto& info) { return std::string(info.param.name); });

// The model itself: what was flushed stays, what was not is gone.
TEST(PowerCutFilesTest, KeepsDurableChangesAndLosesTheRest) {
    StormFixture fx;
    PowerCutFiles files;
    const std::string dump = fx.programFolder() + "Dump\\";
    ASSERT_TRUE(files.createDirectory(dump + "kept", true));
    ASSERT_TRUE(files.createDirectory(dump + "lost", false));
    ASSERT_TRUE(files.copyFile(dump + "rain\\ZKT_rain_Onweer.env", dump + "kept\\a.env", false, true));
    ASSERT_TRUE(files.copyFile(dump + "rain\\ZKT_rain_Onweer.env", dump + "lost\\b.env", false, true));
    ASSERT_TRUE(files.copyFile(dump + "rain\\ZKT_rain_Onweer.env", dump + "kept\\c.env", false, false));
    ASSERT_TRUE(files.deleteFile(fx.simFile("SOUND/horn.wav"), false));
    ASSERT_TRUE(files.deleteFile(fx.simFile("SOUND/rain_ex.sms"), true));
    ASSERT_TRUE(files.writeFileAtomically(dump + "j.ini", "first", true));
    ASSERT_TRUE(files.writeFileAtomically(dump + "j.ini", "second", false));
    files.loseUnflushed();

    EXPECT_EQ(readFile(fx.dumpFile("kept/a.env")), StormFixture::stormEnv());
    EXPECT_FALSE(std::filesystem::exists(fx.dumpFile("lost")));
    EXPECT_FALSE(std::filesystem::exists(fx.dumpFile("kept/c.env")));
    EXPECT_EQ(readFile(fx.simFile("SOUND/horn.wav")), StormFixture::original("horn"));
    EXPECT_FALSE(std::filesystem::exists(fx.simFile("SOUND/rain_ex.sms")));
    EXPECT_EQ(readFile(fx.dumpFile("j.ini")), "first");
}

} // namespace
