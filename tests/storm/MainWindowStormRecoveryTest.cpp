// SPDX-License-Identifier: GPL-3.0-or-later
// A storm that outlives the window: the installation ended after each of its
// steps and a fresh window opened as after a restart; a journal that points
// at a vanished simulator or cannot be read; a restore that cannot finish.
#include "FaultyFiles.h"
#include "StormWindow.h"
#include "core/program/DataHome.h"
#include "core/storm/StormInstaller.h"
#include "platform/Platform.h"

#include <QTextEdit>
#include <algorithm>
#include <gtest/gtest.h>

#include <filesystem>

using storm_test::FaultyFiles;
using storm_test::StormFixture;
using storm_test::StormWindow;
using testing_support::readFile;
using testing_support::ScriptedPlatform;
namespace fs = std::filesystem;

namespace {

// A path in a message as Windows writes it, with its own separators throughout;
// on Linux the text is left as it is.
std::string withSeparators(std::string text) {
#ifdef _WIN32
    std::replace(text.begin(), text.end(), '/', '\\');
#endif
    return text;
}

const std::string kRestoreFailed = "Niet alle bestanden van Train Simulator konden worden hersteld.";
const std::string kJournalDamaged = "De gegevens van het laatst geplaatste onweer zijn beschadigd";
const std::string kStormElsewhere =
    "Het onweer is geplaatst in een map van Train Simulator die nu niet te vinden is.";

class RecoveryTest : public testing::Test {
  protected:
    RecoveryTest() {
        fx.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env", "winter.env"});
        storm_test::writeSettings(fx);
    }
    std::vector<fs::path> keptFolders() const {
        std::vector<fs::path> kept;
        for (const auto& e : fs::directory_iterator(fx.dumpFile("")))
            if (e.path().filename().string().rfind("storm_kept_", 0) == 0) kept.push_back(e.path());
        return kept;
    }

    StormFixture fx;
    ScriptedPlatform platform;
};

TEST_F(RecoveryTest, AnEndAfterAnyStepIsRestoredByTheNextStartsWindow) {
    std::vector<storm::StepPoint> points;
    {
        StormFixture probe;
        probe.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env", "winter.env"});
        storm_test::writeSettings(probe);
        ScriptedPlatform p;
        StormWindow w(probe, p, nullptr, [&](const storm::StepPoint& s) {
            points.push_back(s);
            return true;
        });
        w.make("Heuvelland");
        ASSERT_TRUE(w.locked());
    }
    ASSERT_EQ(points.back().step, storm::Step::Lock);

    for (const storm::StepPoint& stop : points) {
        SCOPED_TRACE(std::string(storm::stepName(stop.step)) + " #" + std::to_string(stop.index));
        StormFixture run;
        run.addRoute("Heuvelland", {"Heavy_Rain.env", "rain_thunder.env", "winter.env"});
        storm_test::writeSettings(run);
        // The player's own files under storm names survive every way back.
        run.dir.write("MSTS/SOUND/ZKT_Onweer1.wav", "the player's own");
        run.dir.write("MSTS/Routes/Heuvelland/Envfiles/Textures/ZKT_Bliksem.ace", "the player's own");
        const auto before = run.simulatorSnapshot();
        ScriptedPlatform p;
        {
            StormWindow ended(run, p, nullptr, [&](const storm::StepPoint& s) { return !(s == stop); });
            ended.make("Heuvelland");
        }
        StormWindow next(run, p);
        // Before the journal nothing in the simulator had changed: the next start has nothing to restore.
        if (stop.step >= storm::Step::WriteJournal) {
            EXPECT_TRUE(next.locked());
            EXPECT_EQ(next->storm().selectedRoute(), "Heuvelland");
            EXPECT_EQ(next.report().at(4).text, "Heuvelland");
            next.restore();
        }
        EXPECT_TRUE(next.selecting());
        EXPECT_EQ(run.simulatorSnapshot(), before);
        EXPECT_FALSE(fs::exists(run.journalFile()));
        EXPECT_TRUE(p.boxes.empty());
    }
}

TEST_F(RecoveryTest, AStormFoundAtStartCannotBeBackedUpOverByASecondOne) {
    {
        StormWindow first(fx, platform);
        first.make("Heuvelland");
    }
    platform.sessionEndBlocks.clear();
    StormWindow second(fx, platform);
    ASSERT_TRUE(second.locked());
    EXPECT_EQ(platform.sessionEndBlocks,
              std::vector<std::string>{"block Het programma kan niet worden afgesloten voordat de "
                                       "bestanden weer zijn herstelt."})
        << "a window that opens locked tells the desktop why the session may not end";
    second.make("Heuvelland"); // the make button is out of reach; pressing it anyway does nothing
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Heuvelland/Heavy_Rain.env")),
              StormFixture::original("Heuvelland Heavy_Rain.env"));
    EXPECT_TRUE(second.locked());
}

// The data home moves when the program folder becomes read-only or writable between two starts.
class MovedDataHomeTest : public RecoveryTest {
  protected:
    MovedDataHomeTest() {
        fx.addRoute("Zonnedal", {"rain.env"});
        EXPECT_TRUE(seedDataHome(fx.programFolder(), player));
    }
    Folders usingProgramFolder() const { return Folders{fx.programFolder(), "", player}; }
    Folders usingPlayersFolder() const { return Folders{fx.programFolder(), player, player}; }
    std::string playerJournal() const { return player + "Dump/storm_journal.ini"; }

    const std::string player = fx.dir.mkdir("player") + "/";
};

TEST_F(MovedDataHomeTest, AStormIsResumedFromTheDataHomeItWasInstalledIn) {
    const auto before = fx.simulatorSnapshot();
    for (const auto& [installed, next] : {std::pair{usingProgramFolder(), usingPlayersFolder()},
                                          std::pair{usingPlayersFolder(), usingProgramFolder()}}) {
        SCOPED_TRACE(installed.dataHome());
        {
            StormWindow first(installed, platform);
            first.make("Heuvelland");
            ASSERT_TRUE(first.locked());
        }
        StormWindow again(next, platform);
        EXPECT_TRUE(again.locked());
        again.restore();
        EXPECT_TRUE(again.selecting());
        EXPECT_EQ(fx.simulatorSnapshot(), before);
        EXPECT_FALSE(fs::exists(fx.journalFile()));
        EXPECT_FALSE(fs::exists(playerJournal()));
    }
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(MovedDataHomeTest, OfTwoStormsTheNewerIsResumedFirstAndTheOlderIsNamedAndKept) {
    const auto before = fx.simulatorSnapshot();
    {
        StormWindow older(usingProgramFolder(), platform);
        older.make("Heuvelland");
    }
    // Out of sight while the newer storm goes in over it, as after a start that did not see it.
    fs::rename(fx.journalFile(), fx.dir / "older.ini");
    {
        StormWindow newer(usingPlayersFolder(), platform);
        newer.make("Zonnedal");
    }
    fs::rename(fx.dir / "older.ini", fx.journalFile());
    fs::last_write_time(fx.journalFile(), fs::last_write_time(playerJournal()) - std::chrono::hours(1));

    StormWindow w(usingProgramFolder(), platform);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find(withSeparators(fx.journalFile())), std::string::npos)
        << platform.boxes[0].text;
    EXPECT_EQ(w->storm().selectedRoute(), "Zonnedal");
    w.restore();
    EXPECT_TRUE(w.locked());
    EXPECT_EQ(w->storm().selectedRoute(), "Heuvelland");
    w.restore();
    EXPECT_TRUE(w.selecting());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(RecoveryTest, ARestoreThatCannotFinishAsksAndNoKeepsTheStorm) {
    FaultyFiles faulty;
    StormWindow w(fx, platform, &faulty);
    const auto before = fx.simulatorSnapshot();
    w.make("Heuvelland");
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Copy && storm_test::pathEndsWith(c.to, "SOUND\\rain_in.sms");
    };
    platform.queueAnswer(platform::answer::No);
    w.restore();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "Waarschuwing");
    // Yes and No, the warning icon, and No as the default: a reflex Enter keeps the storm.
    EXPECT_EQ(platform.boxes[0].flags, 52u | platform::mb::DefaultButton2);
    EXPECT_EQ(platform.boxes[0].text.rfind(kRestoreFailed, 0), 0u);
    EXPECT_NE(
        withSeparators(platform.boxes[0].text).find(withSeparators(fx.simulator + "/SOUND/rain_in.sms")),
        std::string::npos)
        << platform.boxes[0].text;
    EXPECT_TRUE(w.locked());
    EXPECT_TRUE(fs::exists(fx.journalFile()));

    faulty.fails = nullptr;
    w.restore();
    EXPECT_TRUE(w.selecting());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(RecoveryTest, AVanishedSimulatorIsNamedAndCanBeGivenUpOnWithEveryBackupKept) {
    {
        StormWindow first(fx, platform);
        first.make("Heuvelland");
    }
    const std::string installedIn = fs::canonical(fx.simulator).string();
    fs::rename(fx.simulator, fx.dir / "MSTS-elsewhere");
    StormWindow w(fx, platform);
    ASSERT_TRUE(w.locked());
    // Told at once where the storm is.
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text.rfind(kStormElsewhere, 0), 0u) << platform.boxes[0].text;
    EXPECT_NE(platform.boxes[0].text.find("\n\n" + installedIn), std::string::npos) << platform.boxes[0].text;
    EXPECT_EQ(platform.boxes[0].flags, 16u);

    platform.queueAnswer(platform::answer::Ok); // where the storm is
    platform.queueAnswer(platform::answer::No); // keep it
    w.restore();
    EXPECT_TRUE(w.locked());
    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[1].text.rfind(kStormElsewhere, 0), 0u);
    EXPECT_EQ(platform.boxes[2].text.rfind(kRestoreFailed, 0), 0u);
    platform.queueAnswer(platform::answer::Ok);
    platform.queueAnswer(platform::answer::Yes);
    w.restore();
    ASSERT_EQ(platform.boxes.size(), 5u);
    EXPECT_TRUE(w.selecting());
    EXPECT_FALSE(fs::exists(fx.journalFile()));
    const auto kept = keptFolders();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(storm::StormJournal::parse(readFile((kept[0] / "storm_journal.ini").string())));
    EXPECT_EQ(readFile((kept[0] / "back_up/Heuvelland/Heavy_Rain.env").string()),
              StormFixture::original("Heuvelland Heavy_Rain.env"));
    EXPECT_TRUE(fs::is_empty(fx.dumpFile("back_up")));

    // Once it is back, its files are still there to be put back by hand; a new storm starts clean.
    fs::rename(fx.dir / "MSTS-elsewhere", fx.simulator);
    w.make("Heuvelland");
    EXPECT_TRUE(w.locked());
}

TEST_F(RecoveryTest, SettingsThatNowLeadToAnotherSimulatorRestoreTheOneTheStormIsIn) {
    // Another copy of the simulator, where the settings lead at the next start.
    const std::string other = (fx.dir / "OtherMSTS");
    fs::copy(fx.simulator, other, fs::copy_options::recursive);
    const auto before = fx.simulatorSnapshot();
    const auto otherBefore = testing_support::snapshot(other);
    {
        StormWindow first(fx, platform);
        first.make("Heuvelland");
        ASSERT_TRUE(first.locked());
    }
    fx.dir.write("Brontara/Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n"
                                              "[msts locatie]\r\nPad=" +
                                                  other + "\r\n");
    StormWindow w(fx, platform);
    ASSERT_TRUE(w.locked());
    w.restore();
    EXPECT_TRUE(w.selecting());
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(fx.simulatorSnapshot(), before);
    EXPECT_EQ(testing_support::snapshot(other), otherBefore);
}

TEST_F(RecoveryTest, GivingUpWhenTheBackupsCannotBeSetAsideKeepsTheStorm) {
    FaultyFiles faulty;
    StormWindow w(fx, platform, &faulty);
    w.make("Heuvelland");
    faulty.fails = [](const FaultyFiles::Call& c) {
        return c.op == FaultyFiles::Op::Move ||
               (c.op == FaultyFiles::Op::Copy && storm_test::pathEndsWith(c.to, "Heavy_Rain.env"));
    };
    platform.queueAnswer(platform::answer::Yes);
    w.restore();
    ASSERT_EQ(platform.boxes.size(), 2u);
    // What failed and where the back-ups are, not that the program cannot be closed.
    EXPECT_EQ(withSeparators(platform.boxes[1].text),
              withSeparators("De reservekopieën konden niet apart worden gezet. Het onweer blijft "
                             "geplaatst en er is niets verwijderd. De reservekopieën staan in:\n\n" +
                             fx.program + "/Dump/back_up"));
    EXPECT_EQ(platform.boxes[1].caption, "Fout");
    EXPECT_EQ(platform.boxes[1].flags, 16u);
    EXPECT_TRUE(w.locked());
    EXPECT_TRUE(fs::exists(fx.journalFile()));
    EXPECT_EQ(readFile(fx.dumpFile("back_up/Heuvelland/Heavy_Rain.env")),
              StormFixture::original("Heuvelland Heavy_Rain.env"));
}

TEST_F(RecoveryTest, ADamagedJournalIsSetAsideWithTheBackupsAndSaidSo) {
    fx.dir.write("Brontara/Dump/storm_journal.ini", "[Storm]\r\nFormat=1\r\nStage=Repl");
    fx.dir.write("Brontara/Dump/back_up/Heuvelland/Heavy_Rain.env", "a back-up that may matter");
    StormWindow w(fx, platform);
    EXPECT_TRUE(w.selecting());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "Fout");
    EXPECT_EQ(platform.boxes[0].flags, 16u);
    EXPECT_EQ(platform.boxes[0].text.rfind(kJournalDamaged, 0), 0u);
    const auto kept = keptFolders();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(platform.boxes[0].text.find(kept[0].filename().string()), std::string::npos);
    EXPECT_EQ(readFile((kept[0] / "storm_journal.ini").string()), "[Storm]\r\nFormat=1\r\nStage=Repl");
    EXPECT_EQ(readFile((kept[0] / "back_up/Heuvelland/Heavy_Rain.env").string()),
              "a back-up that may matter");
    EXPECT_FALSE(fs::exists(fx.journalFile()));

    // The program is usable again.
    const auto before = fx.simulatorSnapshot();
    w.make("Heuvelland");
    EXPECT_TRUE(w.locked());
    w.restore();
    EXPECT_EQ(fx.simulatorSnapshot(), before);
}

TEST_F(RecoveryTest, TheJournalMessagesComeFromTheLanguageFileWhenItHasThem) {
    fx.dir.write(
        "Brontara/Dump/Languages/English.lng",
        "[File info]\r\nLanguage=English\r\nProgram=Brontara\r\n[Meldingen]\r\n"
        "Titel_fout=Error\r\nJournaal_fout=The record of the last storm is damaged (100%%). Kept in:\r\n");
    storm_test::writeSettings(fx, "English");
    fx.dir.write("Brontara/Dump/storm_journal.ini", "garbage");
    StormWindow w(fx, platform);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, "Error");
    EXPECT_EQ(platform.boxes[0].text.rfind("The record of the last storm is damaged (100%). Kept in:\n\n", 0),
              0u)
        << platform.boxes[0].text;
}

} // namespace
