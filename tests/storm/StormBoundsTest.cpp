// SPDX-License-Identifier: GPL-3.0-or-later
// A storm changes nothing outside the route's Envfiles folder, the
// simulator's SOUND folder and its own back-up folder: not through a found
// name that is a Windows path, not through a link.
#include "core/storm/StormBounds.h"
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/storm/RouteInspection.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::StormFixture;
using testing_support::readFile;
using testing_support::snapshot;
namespace fs = std::filesystem;
using Op = FaultyFiles::Op;

namespace {

struct NameCase {
    std::string name;
    bool singleEntry;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.name);
}

class SingleEntryNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(SingleEntryNameTest, OnlyNamesWindowsCanHoldInOneFolderCount) {
    EXPECT_EQ(platform::isSingleEntryName(GetParam().name), GetParam().singleEntry);
}

INSTANTIATE_TEST_SUITE_P(Names, SingleEntryNameTest,
                         testing::Values(NameCase{"rain.env", true}, NameCase{"Heavy Rain (2).env", true},
                                         NameCase{"..rain.env", true}, NameCase{"rain.env.", true},
                                         NameCase{"Zo\xc3\xabnedal_rain.env", true}, NameCase{"", false},
                                         NameCase{".", false}, NameCase{"..", false},
                                         NameCase{"..\\..\\..\\..\\heavy_rain.env", false},
                                         NameCase{"a/rain.env", false}, NameCase{"C:rain.env", false},
                                         NameCase{"rain.env:stream", false}, NameCase{"\train.env", false},
                                         NameCase{"rain\n.env", false},
                                         NameCase{std::string("rain\0.env", 9), false},
                                         NameCase{"rain\x7f.env", false}));

class RainNameSearchTest : public testing::Test {
  protected:
    testing_support::TempDir dir;
    std::string envfiles() const { return dir.path() + "/MSTS/Routes/R/Envfiles/"; }
};

TEST_F(RainNameSearchTest, ANameThatIsAWindowsPathIsNoRainFile) {
    dir.write("MSTS/Routes/R/Envfiles/..\\..\\..\\..\\heavy_rain.env", "badly unpacked");
    dir.write("MSTS/Routes/R/Envfiles/C:rain_x.env", "badly unpacked");
    dir.write("MSTS/Routes/R/Envfiles/\x01rain.env", "badly unpacked");
    dir.write("heavy_rain.env", "a file outside the simulator");
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_FALSE(found.found()) << found.names[0];
}

TEST_F(RainNameSearchTest, AWindowsPathNameIsPassedOverAndTheRestAreFound) {
    dir.write("MSTS/Routes/R/Envfiles/..\\a_rain.env", "badly unpacked");
    dir.write("MSTS/Routes/R/Envfiles/b_rain.env", "rain");
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names, (std::array<std::string, 4>{"b_rain.env", "", "", ""}));
    EXPECT_TRUE(found.byPattern);
}

class StormBoundsTest : public testing::Test {
  protected:
    StormFixture fx;
    FaultyFiles files;
    std::map<std::string, std::string> everything() const { return snapshot(fx.dir.path()); }
    InstallResult install(const StormRecord& record) {
        return StormInstaller(files, fx.programFolder()).install(record);
    }
    std::size_t changes() const {
        return files.count(Op::Copy) + files.count(Op::Delete) + files.count(Op::CreateDirectory) +
               files.count(Op::WriteAtomically) + files.count(Op::Move);
    }
};

TEST_F(StormBoundsTest, APlanThatStaysInsideItsFoldersPasses) {
    fx.addRoute("Zonnedal", {"rain.env"});
    EXPECT_EQ(
        pathOutsideBounds(StormPlan::make(fx.programFolder(), fx.record("Zonnedal", {"rain.env"}, false))),
        std::nullopt);
}

// Names that inspection never lets through, given to the installer directly.
TEST_F(StormBoundsTest, ARainNameLeadingOutOfTheRouteStopsTheInstallationWithNothingChanged) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.dir.write("heavy_rain.env", "outside the simulator");
    const auto before = everything();
    for (const std::string name : {"..\\..\\..\\..\\heavy_rain.env", "..\\..\\..\\SOUND\\rain_in.sms",
                                   "..\\..\\..\\..\\Brontara\\Dump\\All_dat.ini"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(install(fx.record("Zonnedal", {name}, true)).outcome, InstallOutcome::Refused);
        EXPECT_EQ(changes(), 0u);
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(StormBoundsTest, ARestorationWhosePathsLeadOutsideChangesNothing) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.dir.write("heavy_rain.env", "outside the simulator");
    fx.dir.write("Brontara/Dump/back_up/Zonnedal/..\\..\\..\\..\\heavy_rain.env", "a back-up");
    StormJournal journal;
    journal.stage = StormJournal::Stage::Replacing;
    journal.record = fx.record("Zonnedal", {"..\\..\\..\\..\\heavy_rain.env"}, true);
    journal.rainEnvExisted = {true};
    journal.rainSoundExisted = {true, true};
    journal.addedTextures = {"ZKT_Bliksem.ace"};
    const auto before = everything();
    const auto result = StormRestorer(files, fx.programFolder()).restore(journal);
    EXPECT_FALSE(result.complete());
    ASSERT_EQ(result.notRestored.size(), 1u);
    EXPECT_EQ(changes(), 0u);
    EXPECT_EQ(everything(), before);
}

TEST_F(StormBoundsTest, ARainEnvLinkToAFileOutsideTheSimulatorStopsTheInstallation) {
    fx.addRoute("Zonnedal", {});
    const std::string outside = fx.dir.write("elsewhere/rain.env", "someone else's file");
    fs::create_symlink(outside, fx.simFile("Routes/Zonnedal/Envfiles/rain.env"));
    const auto before = everything();
    EXPECT_EQ(install(fx.record("Zonnedal", {"rain.env"}, false)).outcome, InstallOutcome::Refused);
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(fs::is_symlink(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")));
}

// The box then names the link, not the route: the simulator's own sound source, or its VirtualStore copy.
TEST_F(StormBoundsTest, ASoundSourceLinkLeadingOutsideIsNamedAsTheProblem) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const std::string outside = fx.dir.write("elsewhere/rain_in.sms", "someone else's file");
    StormRecord record = fx.record("Zonnedal", {"rain.env"}, false);
    record.virtualStoreFolder = fx.dir.mkdir("VirtualStore");
    for (const std::string link : {"MSTS/SOUND/rain_in.sms", "VirtualStore/SOUND/rain_in.sms"}) {
        fs::create_directories(fx.dir.path() + "/VirtualStore/SOUND");
        fs::remove(fx.dir.path() + "/" + link);
        fs::create_symlink(outside, fx.dir.path() + "/" + link);
        const auto before = everything();
        const auto result = install(record);
        ASSERT_EQ(result.outcome, InstallOutcome::Refused);
        ASSERT_TRUE(result.problem);
        EXPECT_TRUE(result.problem->leadsOutside);
        EXPECT_TRUE(storm_test::pathEndsWith(result.problem->path, link)) << result.problem->path;
        EXPECT_EQ(everything(), before);
        fs::remove(fx.dir.path() + "/" + link);
        fx.dir.write("MSTS/SOUND/rain_in.sms", "the simulator's own");
    }
}

TEST_F(StormBoundsTest, ARainEnvLinkToAnotherRouteOfTheSimulatorStopsTheInstallation) {
    fx.addRoute("Zonnedal", {});
    fx.addRoute("Heuvelland", {"rain.env"});
    fs::create_symlink(fx.simFile("Routes/Heuvelland/Envfiles/rain.env"),
                       fx.simFile("Routes/Zonnedal/Envfiles/rain.env"));
    const auto before = everything();
    EXPECT_EQ(install(fx.record("Zonnedal", {"rain.env"}, false)).outcome, InstallOutcome::Refused);
    EXPECT_EQ(everything(), before);
}

TEST_F(StormBoundsTest, ARainEnvLinkInsideTheRouteIsStormedAndRestoredThroughTheLink) {
    fx.addRoute("Zonnedal", {"heavy.env"});
    fs::create_symlink("heavy.env", fx.simFile("Routes/Zonnedal/Envfiles/rain.env"));
    const auto before = everything();
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/heavy.env")), StormFixture::stormEnv());
    ASSERT_TRUE(StormRestorer(files, fx.programFolder()).restore(result.journal).complete());
    EXPECT_TRUE(fs::is_symlink(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")));
    auto after = everything();
    for (const char* backup :
         {"Brontara/Dump/back_up/Zonnedal/", "Brontara/Dump/back_up/Zonnedal/rain.env",
          "Brontara/Dump/back_up/Zonnedal/rain.env.storm", "Brontara/Dump/back_up/Sounds/",
          "Brontara/Dump/back_up/Sounds/rain_in.sms", "Brontara/Dump/back_up/Sounds/rain_ex.sms"})
        after.erase(backup);
    EXPECT_EQ(after, before);
}

TEST_F(StormBoundsTest, ATexturesLinkToAFolderOutsideTheRouteStopsTheInstallation) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const std::string elsewhere = fx.dir.mkdir("SharedTextures");
    fs::remove_all(fx.simFile("Routes/Zonnedal/Envfiles/Textures"));
    fs::create_directory_symlink(elsewhere, fx.simFile("Routes/Zonnedal/Envfiles/Textures"));
    const auto before = everything();
    EXPECT_EQ(install(fx.record("Zonnedal", {"rain.env"}, false)).outcome, InstallOutcome::Refused);
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST_F(StormBoundsTest, AStormTextureNameThatIsALinkIsNeitherFollowedNorDeleted) {
    // The link was there before the storm: it is the player's, and so is the file it leads to.
    fx.addRoute("Zonnedal", {"rain.env"});
    const std::string outside = fx.dir.write("elsewhere/sky.ace", "someone else's texture");
    const std::string link = fx.simFile("Routes/Zonnedal/Envfiles/Textures/ZKT_snowsky.ace");
    fs::create_symlink(outside, link);
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(outside), "someone else's texture");
    EXPECT_TRUE(StormRestorer(files, fx.programFolder()).restore(result.journal).complete());
    EXPECT_EQ(readFile(outside), "someone else's texture");
    EXPECT_TRUE(fs::is_symlink(link));
}

} // namespace
