// SPDX-License-Identifier: GPL-3.0-or-later
// A storm that cannot go in whole is never reported installed: what stands in
// the way beforehand changes nothing, and a change that does not take is put
// back, with the file named.
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

struct Obstacle {
    const char* name;
    const char* path;   // the first path found in the way, under the temporary folder
    const char* access; // the check that refuses it; none: the file is really missing
};

const Obstacle kObstacles[] = {
    {"StormEnvironmentMissing", "Brontara/Dump/rain/ZKT_rain_Onweer.env", nullptr},
    {"StormTextureMissing", "Brontara/Dump/Textures/ZKT_Bliksem.ace", nullptr},
    {"RainFileCannotBeReplaced", "MSTS/Routes/Zonnedal/Envfiles/rain.env", "Replace"},
    {"TexturesFolderTakesNoFile", "MSTS/Routes/Zonnedal/Envfiles/Textures", "AddFile"},
    {"SoundFolderTakesNoFile", "MSTS/SOUND", "AddFile"},
};

class StormObstacleTest : public testing::TestWithParam<Obstacle> {};

TEST_P(StormObstacleTest, NamesTheFirstObstacleAndChangesNothing) {
    const Obstacle& o = GetParam();
    StormFixture fx;
    fx.addRoute("Zonnedal", {"rain.env"});
    FaultyFiles files;
    const std::string path = fx.dir.path() + "/" + o.path;
    if (o.access)
        files.fails = [&](const FaultyFiles::Call& c) {
            return c.op == Op::Check && c.to == o.access && pathEndsWith(c.from, o.path);
        };
    else
        fs::remove(path);
    const auto before = fx.simulatorSnapshot();
    const auto backups = testing_support::snapshot(fx.dumpFile("back_up"));

    const auto result =
        StormInstaller(files, fx.programFolder()).install(fx.record("Zonnedal", {"rain.env"}, false));

    ASSERT_EQ(result.outcome, InstallOutcome::Blocked);
    ASSERT_TRUE(result.problem);
    EXPECT_TRUE(pathEndsWith(result.problem->path, o.path)) << result.problem->path;
    // A missing file is told in the system's own words, whatever its language.
    if (o.access) {
        EXPECT_EQ(result.problem->refusal.reason, "Access is denied.");
    } else {
        EXPECT_FALSE(result.problem->refusal.reason.empty() || result.problem->refusal.accessDenied);
    }
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(testing_support::snapshot(fx.dumpFile("back_up")), backups);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    // Nothing was even tried: every call was a look.
    for (const auto& call : files.calls)
        EXPECT_TRUE(call.op == Op::Check) << call.from;
}

INSTANTIATE_TEST_SUITE_P(Storm, StormObstacleTest, testing::ValuesIn(kObstacles),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailedChange {
    const char* name;
    Op op;
    const char* target; // the file whose change does not take
    const char* reason; // what the installation reports
};

const FailedChange kFailedChanges[] = {
    {"TextureCopyFails", Op::Copy, "Envfiles/Textures/ZKT_snowskylo.ace", "No space left on device"},
    {"RainFileReplacementFails", Op::Copy, "Envfiles/rain.env", "No space left on device"},
    // The copy said yes, but the file does not hold the storm (changed by another program meanwhile).
    {"RainFileDoesNotHoldTheStorm", Op::SameContents, "Envfiles/rain.env", ""},
    {"AddedSoundDoesNotHoldItsBytes", Op::SameContents, "SOUND/ZKT_Onweer1.wav", ""},
};

class StormRollBackTest : public testing::TestWithParam<FailedChange> {};

TEST_P(StormRollBackTest, PutsEveryChangeBackAndNamesTheFile) {
    const FailedChange& f = GetParam();
    StormFixture fx;
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    FaultyFiles files;
    // Only the installation's own change fails; putting the same file back succeeds.
    bool failedOnce = false;
    files.fails = [&](const FaultyFiles::Call& c) {
        if (failedOnce || c.op != f.op || !pathEndsWith(c.to, f.target)) return false;
        return failedOnce = true;
    };
    const auto result =
        StormInstaller(files, fx.programFolder()).install(fx.record("Zonnedal", {"rain.env"}, false));

    ASSERT_EQ(result.outcome, InstallOutcome::RolledBack);
    ASSERT_TRUE(result.problem);
    EXPECT_TRUE(pathEndsWith(result.problem->path, f.target)) << result.problem->path;
    EXPECT_EQ(result.problem->refusal.reason, f.reason);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(fs::exists(fx.journalFile()));
}

INSTANTIATE_TEST_SUITE_P(Storm, StormRollBackTest, testing::ValuesIn(kFailedChanges),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
