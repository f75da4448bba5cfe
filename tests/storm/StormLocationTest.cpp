// SPDX-License-Identifier: GPL-3.0-or-later
// The journal restores only the simulator it was written for, wherever the
// settings' folder text leads at the next start.
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::StormFixture;
using testing_support::readFile;
using testing_support::ScopedCurrentDir;
using testing_support::ScopedEnv;
namespace fs = std::filesystem;

namespace {

class StormLocationTest : public testing::Test {
  protected:
    StormLocationTest() { fx.addRoute("Zonnedal", {"rain.env"}); }

    // A second simulator, a byte-for-byte copy of the first, at a path below the temporary folder.
    std::string copyOfTheSimulator(const std::string& relative) {
        const fs::path to = fx.dir / relative;
        fs::create_directories(to.parent_path());
        fs::copy(fx.simulator, to, fs::copy_options::recursive);
        return to.string();
    }
    // A Wine prefix whose drive C holds a copy of the simulator as "MSTS".
    std::string winePrefixWithSimulator(const std::string& name) {
        copyOfTheSimulator(name + "/drive_c/MSTS");
        fx.dir.mkdir(name + "/dosdevices");
        fs::create_directory_symlink("../drive_c", fx.dir / (name + "/dosdevices/c:"));
        return fx.dir / name;
    }
    StormRecord recordFor(const std::string& simulatorFolderText) {
        StormRecord r = fx.record("Zonnedal", {"rain.env"}, false);
        r.simulatorFolder = simulatorFolderText;
        return r;
    }
    std::optional<StormJournal> journalOnDisk() { return StormJournal::parse(readFile(fx.journalFile())); }

    StormFixture fx;
    FaultyFiles files;
};

TEST_F(StormLocationTest, TheJournalRecordsWhereTheFolderTextLed) {
    const ScopedCurrentDir here(fx.dir.path());
    ASSERT_EQ(StormInstaller(files, fx.programFolder()).install(recordFor("MSTS")).outcome,
              InstallOutcome::Installed);
    const auto journal = journalOnDisk();
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->record.simulatorFolder, "MSTS");
    EXPECT_EQ(journal->simulatorLocation, fs::canonical(fx.simulator).string());
}

TEST_F(StormLocationTest, ARelativeFolderReadFromAnotherWorkingFolderRestoresTheFirstSimulator) {
    const std::string other = copyOfTheSimulator("other/MSTS");
    const auto before = fx.simulatorSnapshot();
    const auto otherBefore = testing_support::snapshot(other);
    {
        const ScopedCurrentDir here(fx.dir.path());
        ASSERT_EQ(StormInstaller(files, fx.programFolder()).install(recordFor("MSTS")).outcome,
                  InstallOutcome::Installed);
    }
    const ScopedCurrentDir there(fx.dir / "other");
    const auto journal = journalOnDisk();
    ASSERT_TRUE(journal);
    EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(*journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(testing_support::snapshot(other), otherBefore);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
}

TEST_F(StormLocationTest, AnotherWinePrefixAtTheNextStartDoesNotReceiveTheFirstOnesBackups) {
    const std::string first = winePrefixWithSimulator("prefix-a");
    const std::string second = winePrefixWithSimulator("prefix-b");
    const auto firstBefore = testing_support::snapshot(first);
    const auto secondBefore = testing_support::snapshot(second);
    {
        const ScopedEnv prefix("WINEPREFIX", first);
        ASSERT_EQ(StormInstaller(files, fx.programFolder()).install(recordFor("C:\\MSTS")).outcome,
                  InstallOutcome::Installed);
    }
    ASSERT_NE(testing_support::snapshot(first), firstBefore);
    const ScopedEnv prefix("WINEPREFIX", second);
    const auto journal = journalOnDisk();
    ASSERT_TRUE(journal);
    EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(*journal).complete());
    EXPECT_EQ(testing_support::snapshot(first), firstBefore);
    EXPECT_EQ(testing_support::snapshot(second), secondBefore);
}

TEST_F(StormLocationTest, WhenTheRecordedFolderIsGoneNothingIsTouchedAndTheStormStaysOnRecord) {
    const std::string first = winePrefixWithSimulator("prefix-a");
    const std::string second = winePrefixWithSimulator("prefix-b");
    {
        const ScopedEnv prefix("WINEPREFIX", first);
        ASSERT_EQ(StormInstaller(files, fx.programFolder()).install(recordFor("C:\\MSTS")).outcome,
                  InstallOutcome::Installed);
    }
    const auto journal = journalOnDisk();
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->simulatorLocation, fs::canonical(first + "/drive_c/MSTS").string());
    fs::rename(first, fx.dir / "prefix-a-unplugged");
    const ScopedEnv prefix("WINEPREFIX", second);
    const auto everything = testing_support::snapshot(fx.dir.path());
    const std::size_t callsBefore = files.calls.size();

    const auto result = StormRestorer(files, fx.programFolder()).restore(*journal);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.missingSimulator, journal->simulatorLocation);
    EXPECT_EQ(files.calls.size(), callsBefore);
    EXPECT_EQ(testing_support::snapshot(fx.dir.path()), everything);
}

TEST_F(StormLocationTest, AFolderTextThatNamesNoHostPathIsRefused) {
    const ScopedEnv noPrefix("WINEPREFIX", std::nullopt);
    const ScopedEnv noHome("HOME", std::nullopt);
    const auto before = testing_support::snapshot(fx.dir.path());
    EXPECT_EQ(StormInstaller(files, fx.programFolder()).install(recordFor("Q:\\MSTS")).outcome,
              InstallOutcome::Refused);
    EXPECT_EQ(testing_support::snapshot(fx.dir.path()), before);
}

} // namespace
