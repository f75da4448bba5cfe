// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormRestorer.h"
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/storm/StormInstaller.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::pathEndsWith;
using storm_test::StormFixture;
using testing_support::readFile;
using Op = FaultyFiles::Op;
namespace fs = std::filesystem;

namespace {

class StormRestorerTest : public testing::Test {
  protected:
    StormFixture fx;
    FaultyFiles files;

    StormJournal installed(const std::string& route, std::vector<std::string> names, bool byPattern) {
        const auto result =
            StormInstaller(files, fx.programFolder()).install(fx.record(route, std::move(names), byPattern));
        EXPECT_EQ(result.outcome, InstallOutcome::Installed);
        return result.journal;
    }
    RestoreResult restore(const StormJournal& journal) {
        return StormRestorer(files, fx.programFolder()).restore(journal);
    }
    bool journalExists() const { return fs::exists(fx.journalFile()); }
};

TEST_F(StormRestorerTest, RestoresInTheirOrderAndRemovesTheJournalLast) {
    fx.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"});
    const auto journal = installed("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"}, true);
    files.calls.clear();
    ASSERT_TRUE(restore(journal).complete());
    std::vector<std::string> order;
    for (const auto& c : files.calls)
        if (c.op == Op::Copy || c.op == Op::Delete)
            order.push_back(fs::path(c.op == Op::Copy ? c.to : c.from).filename().string());
    std::vector<std::string> expected = {"Heavy_Rain.env",     "rain_thunder.env",   "ZKT_snowsky.ace",
                                         "ZKT_snowskylo.ace",  "ZKT_LichtFlits.ace", "ZKT_Bliksem.ace",
                                         "ZKT_Transparant.ace"};
    for (int n = 1; n <= 9; ++n)
        expected.push_back("ZKT_Onweer" + std::to_string(n) + ".wav");
    expected.insert(expected.end(), {"rain_in.sms", "rain_ex.sms"});
    for (auto& name : order) // paths are joined with "\": keep the last component
        name = name.substr(name.find_last_of('\\') + 1);
    expected.push_back("storm_journal.ini");
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(journalExists());
}

TEST_F(StormRestorerTest, StormNamesThatExistedBeforeArePlayersOwnAndStay) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.dir.write("MSTS/SOUND/ZKT_Onweer1.wav", "there before");
    fx.dir.write("MSTS/Routes/Zonnedal/Envfiles/Textures/ZKT_snowsky.ace", "there before");
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    ASSERT_TRUE(restore(journal).complete());
    EXPECT_EQ(readFile(fx.simFile("SOUND/ZKT_Onweer1.wav")), "there before");
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/Textures/ZKT_snowsky.ace")), "there before");
    EXPECT_FALSE(fs::exists(fx.simFile("SOUND/ZKT_Onweer2.wav")));
}

TEST_F(StormRestorerTest, PartialCopiesAForcedEndLeftInTheStormsFoldersGoAndNothingElse) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.addRoute("Heuvelland", {"rain.env"});
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    const std::vector<std::string> ours = {"MSTS/Routes/Zonnedal/Envfiles/.brontara-4711-3.tmp",
                                           "MSTS/Routes/Zonnedal/Envfiles/Textures/.brontara-4711-9.tmp",
                                           "MSTS/SOUND/.brontara-815-0.tmp"};
    const std::vector<std::string> others = {"MSTS/Routes/Heuvelland/Envfiles/.brontara-4711-4.tmp",
                                             "MSTS/SOUND/.brontara-notes.tmp",
                                             "MSTS/SOUND/.brontara-1-2.tmp.txt"};
    for (const auto& name : ours)
        fx.dir.write(name, "partial copy");
    for (const auto& name : others)
        fx.dir.write(name, "not a partial copy");
    ASSERT_TRUE(restore(journal).complete());
    for (const auto& name : ours)
        EXPECT_FALSE(fs::exists(fx.dir / name)) << name;
    for (const auto& name : others)
        EXPECT_TRUE(fs::exists(fx.dir / name)) << name;
}

TEST_F(StormRestorerTest, ACopyBackThatFailsKeepsTheStormOnRecordUntilItSucceeds) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    files.fails = [](const auto& c) { return c.op == Op::Copy && pathEndsWith(c.to, "SOUND\\rain_ex.sms"); };
    const auto failed = restore(journal);
    ASSERT_EQ(failed.notRestored.size(), 1u);
    EXPECT_TRUE(pathEndsWith(failed.notRestored[0], "SOUND\\rain_ex.sms"));
    EXPECT_TRUE(journalExists());
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")),
              StormFixture::original("Zonnedal rain.env"));

    files.fails = nullptr;
    EXPECT_TRUE(restore(journal).complete());
    EXPECT_FALSE(journalExists());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(StormRestorerTest, AMissingBackupOrSimulatorIsReportedNotPassedOver) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    fs::remove(fx.dumpFile("back_up/Zonnedal/rain.env"));
    auto result = restore(journal);
    ASSERT_EQ(result.notRestored.size(), 1u);
    EXPECT_TRUE(pathEndsWith(result.notRestored[0], "Envfiles\\rain.env"));
    EXPECT_TRUE(journalExists());

    // A simulator that is gone altogether is named, and nothing is tried in it.
    fs::remove_all(fx.simulator);
    const std::size_t calls = files.calls.size();
    result = restore(journal);
    EXPECT_TRUE(result.notRestored.empty());
    EXPECT_EQ(result.missingSimulator, journal.simulatorLocation);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(files.calls.size(), calls);
    EXPECT_TRUE(journalExists());
}

TEST_F(StormRestorerTest, AnAddedFileThatCannotBeDeletedIsReported) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    files.fails = [](const auto& c) { return c.op == Op::Delete && pathEndsWith(c.from, "ZKT_Onweer4.wav"); };
    const auto result = restore(journal);
    ASSERT_EQ(result.notRestored.size(), 1u);
    EXPECT_TRUE(pathEndsWith(result.notRestored[0], "SOUND\\ZKT_Onweer4.wav"));
}

TEST_F(StormRestorerTest, AJournalThatCannotBeRemovedIsReported) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto journal = installed("Zonnedal", {"rain.env"}, false);
    files.fails = [](const auto& c) {
        return c.op == Op::Delete && pathEndsWith(c.from, "storm_journal.ini");
    };
    const auto result = restore(journal);
    ASSERT_EQ(result.notRestored.size(), 1u);
    EXPECT_TRUE(pathEndsWith(result.notRestored[0], "Dump\\storm_journal.ini"));
}

TEST_F(StormRestorerTest, KeepingAsideMovesJournalAndEveryBackupAndStartsAFreshBackupFolder) {
    fx.addRoute("Zonnedal", {"rain.env"});
    installed("Zonnedal", {"rain.env"}, false);
    fx.dir.write("Brontara/Dump/back_up/OtherRoute/rain.env", "older back-up");
    const auto journalText = readFile(fx.journalFile());

    const auto kept = keepAside(files, fx.programFolder(), "20260107-120000");
    ASSERT_TRUE(kept.complete);
    EXPECT_TRUE(pathEndsWith(kept.folder, "Dump\\storm_kept_20260107-120000"));
    EXPECT_TRUE(pathEndsWith(kept.backups, "Dump\\storm_kept_20260107-120000\\back_up"));
    const std::string keptHost = fx.dumpFile("storm_kept_20260107-120000");
    EXPECT_EQ(readFile(keptHost + "/storm_journal.ini"), journalText);
    EXPECT_EQ(readFile(keptHost + "/back_up/Zonnedal/rain.env"), StormFixture::original("Zonnedal rain.env"));
    EXPECT_EQ(readFile(keptHost + "/back_up/OtherRoute/rain.env"), "older back-up");
    EXPECT_FALSE(journalExists());
    EXPECT_TRUE(fs::is_directory(fx.dumpFile("back_up")));
    EXPECT_TRUE(fs::is_empty(fx.dumpFile("back_up")));

    // The same second again gets a folder of its own.
    fx.dir.write("Brontara/Dump/storm_journal.ini", "x");
    const auto second = keepAside(files, fx.programFolder(), "20260107-120000");
    ASSERT_TRUE(second.complete);
    EXPECT_TRUE(pathEndsWith(second.folder, "storm_kept_20260107-120000_2"));
}

TEST_F(StormRestorerTest, KeepingAsideWithoutMovingTheBackupsLeavesTheJournalInPlace) {
    fx.dir.write("Brontara/Dump/storm_journal.ini", "x");
    files.fails = [](const auto& c) { return c.op == Op::Move; };
    const auto kept = keepAside(files, fx.programFolder(), "20260107-120000");
    EXPECT_FALSE(kept.complete);
    EXPECT_TRUE(pathEndsWith(kept.backups, "Dump\\back_up"));
    EXPECT_TRUE(journalExists());
    EXPECT_TRUE(fs::is_directory(fx.dumpFile("back_up")));
}

TEST_F(StormRestorerTest, KeepingAsideThatMovesOnlyTheBackupsSaysWhereTheyAreNow) {
    fx.dir.write("Brontara/Dump/storm_journal.ini", "x");
    fx.dir.write("Brontara/Dump/back_up/Zonnedal/rain.env", "a back-up");
    files.fails = [](const auto& c) { return c.op == Op::Move && pathEndsWith(c.from, "storm_journal.ini"); };
    const auto kept = keepAside(files, fx.programFolder(), "20260107-120000");
    EXPECT_FALSE(kept.complete);
    EXPECT_TRUE(pathEndsWith(kept.backups, "storm_kept_20260107-120000\\back_up"));
    EXPECT_EQ(readFile(fx.dumpFile("storm_kept_20260107-120000/back_up/Zonnedal/rain.env")), "a back-up");
    EXPECT_TRUE(journalExists());
}

} // namespace
