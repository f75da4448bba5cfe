// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormInstaller.h"
#include "FaultyFiles.h"
#include "StormFixture.h"
#include "core/storm/StormRestorer.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace storm;
using storm_test::FaultyFiles;
using storm_test::pathEndsWith;
using storm_test::StormFixture;
using testing_support::readFile;
using Op = FaultyFiles::Op;

namespace {

class StormInstallerTest : public testing::Test {
  protected:
    StormFixture fx;
    FaultyFiles files;

    InstallResult install(const StormRecord& record, StepHook hook = {}) {
        return StormInstaller(files, fx.programFolder(), std::move(hook)).install(record);
    }
    RestoreResult restore(const StormJournal& journal) {
        return StormRestorer(files, fx.programFolder()).restore(journal);
    }
    std::optional<StormJournal> journalOnDisk() {
        bool found = false;
        const std::string text = readFile(fx.journalFile(), &found);
        return found ? StormJournal::parse(text) : std::nullopt;
    }
};

TEST_F(StormInstallerTest, RainEnvRouteTakesTwoFoldersAndTwentyCopies) {
    fx.addRoute("Zonnedal", {"rain.env", "summer.env"});
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(files.count(Op::CreateDirectory), 2u);
    EXPECT_EQ(files.count(Op::Copy), 20u);

    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")), StormFixture::stormEnv());
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/summer.env")),
              StormFixture::original("Zonnedal summer.env"));
    EXPECT_EQ(readFile(fx.simFile("SOUND/rain_in.sms")), StormFixture::stormSoundSource("rain_in.sms"));
    EXPECT_EQ(readFile(fx.simFile("SOUND/rain_ex.sms")), StormFixture::stormSoundSource("rain_ex.sms"));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/Textures/ZKT_Bliksem.ace")),
              "storm texture ZKT_Bliksem.ace");
    EXPECT_EQ(readFile(fx.simFile("SOUND/ZKT_Onweer9.wav")), "thunder 9");
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Zonnedal/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain_in.sms")), StormFixture::original("rain_in.sms"));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain_ex.sms")), StormFixture::original("rain_ex.sms"));

    const auto journal = journalOnDisk();
    ASSERT_TRUE(journal);
    EXPECT_EQ(*journal, result.journal);
    EXPECT_EQ(journal->stage, StormJournal::Stage::Replacing);
    EXPECT_EQ(journal->addedTextures.size(), 5u);
    EXPECT_EQ(journal->addedSounds.size(), 9u);
    EXPECT_EQ(journal->rainEnvExisted, std::vector<bool>{true});
}

TEST_F(StormInstallerTest, StepsRunInTheirOrderWithTheirOverwriteRules) {
    fx.addRoute("Zonnedal", {"rain.env"});
    std::vector<StepPoint> points;
    install(fx.record("Zonnedal", {"rain.env"}, false), [&](const StepPoint& p) {
        points.push_back(p);
        return true;
    });
    std::vector<StepPoint> expected = {
        {Step::CreateRouteBackupFolder},  {Step::ComposeRainEnv, 0}, {Step::WriteJournal},
        {Step::CreateSoundsBackupFolder}, {Step::BackUpRainEnv, 0},  {Step::VerifyRainEnvBackups}};
    for (std::size_t i = 0; i < 5; ++i)
        expected.push_back({Step::CopyTexture, i});
    for (std::size_t i = 0; i < 9; ++i)
        expected.push_back({Step::CopyThunderSound, i});
    expected.insert(expected.end(), {{Step::BackUpSoundSource, 0},
                                     {Step::BackUpSoundSource, 1},
                                     {Step::VerifySoundSourceBackups},
                                     {Step::MarkReplacing},
                                     {Step::ReplaceSoundSource, 0},
                                     {Step::ReplaceSoundSource, 1},
                                     {Step::ReplaceRainEnv, 0},
                                     {Step::VerifyStorm}});
    EXPECT_EQ(points, expected);

    // Back-ups and replacements overwrite, additions never do; paths as joined text.
    std::vector<std::pair<std::string, bool>> copies;
    for (const auto& c : files.calls)
        if (c.op == Op::Copy) copies.emplace_back(c.to, c.failIfExists);
    ASSERT_EQ(copies.size(), 20u);
    EXPECT_EQ(copies[0], std::make_pair(fx.programFolder() + "\\Dump\\Back_up\\Zonnedal\\rain.env", false));
    EXPECT_EQ(copies[1],
              std::make_pair(fx.simulator + "\\Routes\\Zonnedal\\Envfiles\\Textures\\ZKT_snowsky.ace", true));
    EXPECT_EQ(copies[14], std::make_pair(fx.simulator + "\\SOUND\\ZKT_Onweer9.wav", true));
    EXPECT_EQ(copies[15], std::make_pair(fx.programFolder() + "\\Dump\\Back_up\\Sounds\\rain_in.sms", false));
    EXPECT_EQ(copies[17], std::make_pair(fx.simulator + "\\SOUND\\rain_in.sms", false));
    EXPECT_EQ(copies[19], std::make_pair(fx.simulator + "\\Routes\\Zonnedal\\Envfiles\\rain.env", false));

    // The journal: on the disk as it stands before the first change, then marked, again on the disk, before
    // the first replacement; every back-up and its folder reach the disk before the mark.
    std::vector<std::pair<std::size_t, bool>> journalWrites;
    std::size_t firstReplacement = 0;
    for (std::size_t i = 0; i < files.calls.size(); ++i) {
        const auto& c = files.calls[i];
        if (c.op == Op::WriteAtomically) {
            EXPECT_TRUE(c.durable) << c.from;
            if (pathEndsWith(c.from, "storm_journal.ini")) journalWrites.emplace_back(i, c.durable);
        }
        if (!firstReplacement && c.op == Op::Copy && pathEndsWith(c.to, "SOUND\\rain_in.sms"))
            firstReplacement = i;
        const bool intoBackups = c.to.find("ack_up") != std::string::npos;
        if (c.op == Op::Copy) {
            EXPECT_EQ(c.durable, intoBackups) << c.to;
        }
        if (c.op == Op::CreateDirectory) {
            EXPECT_TRUE(c.durable) << c.from;
        }
    }
    ASSERT_EQ(journalWrites.size(), 2u);
    EXPECT_TRUE(journalWrites[0].second);
    EXPECT_TRUE(journalWrites[1].second);
    // Before the journal only the storm's own back-up folder changes: the environment file is composed there.
    for (std::size_t i = 0; i < journalWrites[0].first; ++i) {
        const auto& c = files.calls[i];
        EXPECT_TRUE(c.op == Op::FileExists || c.op == Op::Read || c.op == Op::Check ||
                    c.from.find("ack_up\\Zonnedal") != std::string::npos)
            << "a change before the journal: " << c.from;
    }
    EXPECT_LT(journalWrites[1].first, firstReplacement);
}

TEST_F(StormInstallerTest, FourPatternMatchesTakeTwentySixCopiesAndAFifthIsLeftAlone) {
    fx.addRoute("Heuvelland", {"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env", "e_rain.env"});
    const auto names = std::vector<std::string>{"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env"};
    ASSERT_EQ(install(fx.record("Heuvelland", names, true)).outcome, InstallOutcome::Installed);
    EXPECT_EQ(files.count(Op::Copy), 26u);
    for (const auto& n : names) {
        EXPECT_EQ(readFile(fx.simFile("Routes/Heuvelland/Envfiles/" + n)), StormFixture::stormEnv());
        EXPECT_EQ(readFile(fx.dumpFile("back_up/Heuvelland/" + n)),
                  StormFixture::original("Heuvelland " + n));
    }
    EXPECT_EQ(readFile(fx.simFile("Routes/Heuvelland/Envfiles/e_rain.env")),
              StormFixture::original("Heuvelland e_rain.env"));
    bool found = true;
    readFile(fx.dumpFile("back_up/Heuvelland/e_rain.env"), &found);
    EXPECT_FALSE(found);
}

TEST_F(StormInstallerTest, AnExistingTextureOrSoundKeepsItsContentsAndIsNotRecordedAsAdded) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.dir.write("MSTS/Routes/Zonnedal/Envfiles/Textures/ZKT_snowsky.ace", "left behind");
    fx.dir.write("MSTS/SOUND/ZKT_Onweer3.wav", "left behind");
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/Textures/ZKT_snowsky.ace")), "left behind");
    EXPECT_EQ(readFile(fx.simFile("SOUND/ZKT_Onweer3.wav")), "left behind");
    EXPECT_EQ(result.journal.addedTextures.size(), 4u);
    EXPECT_EQ(result.journal.addedSounds.size(), 8u);
}

TEST_F(StormInstallerTest, FullCycleLeavesTheSimulatorAsItWasAndKeepsTheBackups) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    EXPECT_TRUE(restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(journalOnDisk());
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Zonnedal/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain_ex.sms")), StormFixture::original("rain_ex.sms"));
}

TEST_F(StormInstallerTest, InstallRestoreInstallAgainBehavesLikeTheFirstTime) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    const auto first = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_TRUE(restore(first.journal).complete());
    const auto firstInstalled = fx.simulatorSnapshot();
    const auto second = install(fx.record("Zonnedal", {"rain.env"}, false));
    EXPECT_EQ(second.outcome, InstallOutcome::Installed);
    EXPECT_EQ(second.journal, first.journal);
    ASSERT_TRUE(restore(second.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(firstInstalled, before);
}

TEST_F(StormInstallerTest, AnotherRouteAfterRestoringKeepsTheFirstRoutesBackups) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"});
    const auto before = fx.simulatorSnapshot();
    ASSERT_TRUE(restore(install(fx.record("Zonnedal", {"rain.env"}, false)).journal).complete());
    const auto second = install(fx.record("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"}, true));
    EXPECT_EQ(readFile(fx.simFile("Routes/Heuvelland/Envfiles/rain_thunder.env")), StormFixture::stormEnv());
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
    ASSERT_TRUE(restore(second.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Zonnedal/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Heuvelland/Heavy_Rain.env")),
              StormFixture::original("Heuvelland Heavy_Rain.env"));
}

TEST_F(StormInstallerTest, ARouteNamedSoundsSharesTheSoundSourceBackupFolder) {
    fx.addRoute("Sounds", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    const auto result = install(fx.record("Sounds", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain.env")), StormFixture::original("Sounds rain.env"));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Sounds/rain_in.sms")), StormFixture::original("rain_in.sms"));
    ASSERT_TRUE(restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(StormInstallerTest, RouteTypedInAnotherCaseUsesTheOneFolder) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    fx.dir.mkdir("Brontara/Dump/back_up/ZONNEDAL");
    const auto result = install(fx.record("zonnedal", {"RAIN.ENV"}, false));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")), StormFixture::stormEnv());
    EXPECT_EQ(readFile(fx.dumpFile("back_up/ZONNEDAL/RAIN.ENV")),
              StormFixture::original("Zonnedal rain.env"));
    ASSERT_TRUE(restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(StormInstallerTest, MissingSoundSourceIsDeletedAgainInsteadOfRestoredFromAStaleBackup) {
    fx.addRoute("Zonnedal", {"rain.env"});
    std::filesystem::remove(fx.simFile("SOUND/rain_ex.sms"));
    fx.dir.write("Brontara/Dump/back_up/Sounds/rain_ex.sms", "stale back-up of an earlier storm");
    const auto before = fx.simulatorSnapshot();
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(result.journal.rainSoundExisted, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(readFile(fx.simFile("SOUND/rain_ex.sms")), StormFixture::stormSoundSource("rain_ex.sms"));
    ASSERT_TRUE(restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

// Environment files as the simulator stores them: UTF-16 with a byte-order mark and the text header.
std::string envFile(const std::string& world) {
    return "\xff\xfe" + platform::text::utf8ToUtf16le("SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nworld (\r\n" +
                                                      world + ")\r\n");
}

// Each rain file keeps its own water; one whose water cannot be read takes the storm as it stands.
TEST_F(StormInstallerTest, RainEnvFilesKeepTheirOwnWaterAndAreRestoredByteForByte) {
    const auto storm = [](const std::string& water) {
        return envFile("\tworld_fog_distance ( 700 )\r\n\t" + water + "\r\n\tworld_wind ( )\r\n");
    };
    fx.dir.write("Brontara/Dump/rain/ZKT_rain_Onweer.env", storm("world_water ( storm )"));
    fx.addRoute("Zonnedal", {"rain.env"});
    const std::string sea = "World_Water ( sea )", lake = "world_water ( lake ( \"a ) in quotes\" ) )";
    fx.dir.write("MSTS/Routes/Zonnedal/Envfiles/rain_sea.env",
                 envFile("\tworld_fog_distance ( 2000 )\r\n\t" + sea));
    fx.dir.write("MSTS/Routes/Zonnedal/Envfiles/rain_lake.env", envFile("\t" + lake));
    const auto before = fx.simulatorSnapshot();
    const auto result = install(fx.record("Zonnedal", {"rain.env", "rain_sea.env", "rain_lake.env"}, true));
    ASSERT_EQ(result.outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain.env")), storm("world_water ( storm )"));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain_sea.env")), storm(sea));
    EXPECT_EQ(readFile(fx.simFile("Routes/Zonnedal/Envfiles/rain_lake.env")), storm(lake));
    ASSERT_TRUE(restore(result.journal).complete());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

// A back-up that cannot be taken or does not match, for whatever reason: nothing replaced, additions undone.
struct BackupFault {
    const char* what;
    std::function<bool(const FaultyFiles::Call&)> fails;
};

void PrintTo(const BackupFault& f, std::ostream* os) {
    *os << f.what;
}

class BackupFaultTest : public StormInstallerTest, public testing::WithParamInterface<BackupFault> {};

TEST_P(BackupFaultTest, NothingInTheSimulatorIsReplacedAndWhatWasAddedIsRemoved) {
    fx.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"});
    const auto before = fx.simulatorSnapshot();
    files.fails = GetParam().fails;
    const auto result = install(fx.record("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env"}, true));
    EXPECT_EQ(result.outcome, InstallOutcome::BackupFailed) << GetParam().what;
    EXPECT_EQ(fx.simulatorSnapshot(), before) << GetParam().what;
    EXPECT_FALSE(journalOnDisk()) << GetParam().what;
    for (const auto& c : files.calls)
        EXPECT_FALSE(c.op == Op::Copy && !c.failIfExists && pathEndsWith(c.from, ".env.storm"))
            << "a rain environment file was replaced: " << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BackupFaultTest,
    testing::Values(
        BackupFault{"journal cannot be written",
                    [](const auto& c) {
                        return c.op == Op::WriteAtomically && pathEndsWith(c.from, "storm_journal.ini");
                    }},
        BackupFault{"second environment back-up fails (disk full)",
                    [](const auto& c) {
                        return c.op == Op::Copy &&
                               pathEndsWith(c.to, "Back_up\\Heuvelland\\rain_thunder.env");
                    }},
        BackupFault{
            "environment back-up differs",
            [](const auto& c) { return c.op == Op::SameContents && pathEndsWith(c.from, "Heavy_Rain.env"); }},
        BackupFault{"rain_ex.sms back-up fails",
                    [](const auto& c) {
                        return c.op == Op::Copy && pathEndsWith(c.to, "Back_up\\Sounds\\rain_ex.sms");
                    }},
        BackupFault{
            "rain_in.sms back-up differs",
            [](const auto& c) { return c.op == Op::SameContents && pathEndsWith(c.from, "rain_in.sms"); }},
        BackupFault{"back-up folders cannot be made",
                    [](const auto& c) {
                        return c.op == Op::CreateDirectory ||
                               (c.op == Op::Copy && !c.failIfExists && pathEndsWith(c.from, ".env"));
                    }},
        BackupFault{"storm environment cannot be composed",
                    [](const auto& c) {
                        return c.op == Op::WriteAtomically && pathEndsWith(c.from, "rain_thunder.env.storm");
                    }},
        BackupFault{"journal cannot be marked",
                    [n = std::make_shared<int>(0)](const auto& c) {
                        return c.op == Op::WriteAtomically && pathEndsWith(c.from, "storm_journal.ini") &&
                               ++*n == 2;
                    }}),
    [](const auto& info) { return "Fault" + std::to_string(info.index); });

TEST_F(StormInstallerTest, ABackupMadeOverAnOldOneIsCheckedAgainstTheOriginalNotTrusted) {
    fx.addRoute("Zonnedal", {"rain.env"});
    fx.dir.write("Brontara/Dump/back_up/Zonnedal/rain.env", "back-up of an earlier storm");
    const auto before = fx.simulatorSnapshot();
    files.fails = [](const auto& c) {
        return c.op == Op::Copy && pathEndsWith(c.to, "Back_up\\Zonnedal\\rain.env");
    };
    EXPECT_EQ(install(fx.record("Zonnedal", {"rain.env"}, false)).outcome, InstallOutcome::BackupFailed);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

// A replacement or addition that fails (read-only simulator, full disk): every change is put back, no
// original is lost.
TEST_F(StormInstallerTest, FailingReplacementsLoseNoOriginalAndLeaveNoStorm) {
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    files.fails = [&](const auto& c) { return c.op == Op::Copy && c.to.rfind(fx.simulator, 0) == 0; };
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));
    EXPECT_EQ(result.outcome, InstallOutcome::RolledBack);
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(fx.journalFile()));
}

// A storm that cannot go in whole is never reported installed. What stands in the way is found before
// anything changes; a change that does not take is put back. Either way the file is named, with the system's
// words.
struct Trouble {
    const char* name;
    Op op; // the call that fails, once; a check refuses beforehand
    const char* from;
    const char* to; // for a check: the access it refuses
};

const Trouble kTroubles[] = {
    {"StormEnvironmentUnreadable", Op::Check, "Dump/rain/ZKT_rain_Onweer.env", "Read"},
    {"StormTextureUnreadable", Op::Check, "Dump/Textures/ZKT_Bliksem.ace", "Read"},
    {"TexturesFolderTakesNoFile", Op::Check, "Envfiles/Textures", "AddFile"},
    {"SoundFolderTakesNoFile", Op::Check, "MSTS/SOUND", "AddFile"},
    // The copy said yes, but the file does not hold the storm (changed by another program meanwhile).
    {"RainFileDoesNotHoldTheStorm", Op::SameContents, "", "Envfiles/rain.env"},
    {"AddedSoundDoesNotHoldItsBytes", Op::SameContents, "", "SOUND/ZKT_Onweer1.wav"},
};

class StormTroubleTest : public StormInstallerTest, public testing::WithParamInterface<Trouble> {};

TEST_P(StormTroubleTest, NamesTheFileAndLeavesTheSimulatorAsItWas) {
    const Trouble& t = GetParam();
    const bool beforehand = t.op == Op::Check;
    fx.addRoute("Zonnedal", {"rain.env"});
    const auto before = fx.simulatorSnapshot();
    const auto backups = testing_support::snapshot(fx.dumpFile("back_up"));
    bool failedOnce = false; // putting the same file back succeeds
    files.fails = [&](const FaultyFiles::Call& c) {
        if (failedOnce || c.op != t.op || !pathEndsWith(c.from, t.from) || !pathEndsWith(c.to, t.to))
            return false;
        return failedOnce = true;
    };
    const auto result = install(fx.record("Zonnedal", {"rain.env"}, false));

    ASSERT_EQ(result.outcome, beforehand ? InstallOutcome::Blocked : InstallOutcome::RolledBack);
    ASSERT_TRUE(result.problem);
    EXPECT_TRUE(pathEndsWith(result.problem->path, beforehand ? t.from : t.to)) << result.problem->path;
    EXPECT_EQ(result.problem->refusal.reason, beforehand ? files.refusal.reason : "");
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_FALSE(journalOnDisk());
    if (!beforehand) return;
    // Nothing was even tried: every call was a look.
    EXPECT_EQ(testing_support::snapshot(fx.dumpFile("back_up")), backups);
    for (const auto& call : files.calls)
        EXPECT_TRUE(call.op == Op::Check) << call.from;
}

INSTANTIATE_TEST_SUITE_P(Storm, StormTroubleTest, testing::ValuesIn(kTroubles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StormInstallerTest, AMissingBackupFolderIsMadeAgain) {
    fx.addRoute("Zonnedal", {"rain.env"});
    std::filesystem::remove_all(fx.dumpFile("back_up"));
    ASSERT_EQ(install(fx.record("Zonnedal", {"rain.env"}, false)).outcome, InstallOutcome::Installed);
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Zonnedal/rain.env")),
              StormFixture::original("Zonnedal rain.env"));
}

} // namespace
