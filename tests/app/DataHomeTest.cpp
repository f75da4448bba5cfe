// SPDX-License-Identifier: GPL-3.0-or-later
// The data home: the program folder when it can be written, else the
// player's own folder, seeded from the shipped data folder.
#include "core/program/DataHome.h"
#include "core/program/Folders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

// A folder's read-only attribute does not keep files out of it on Windows, so
// there the program folder cannot be made unwritable this way; the Windows
// write test itself is covered by the platform tests.
#ifdef _WIN32
#define SKIP_WITHOUT_READ_ONLY_FOLDERS()                                                                     \
    GTEST_SKIP() << "folder permissions do not keep files out of a folder on Windows"
#else
#define SKIP_WITHOUT_READ_ONLY_FOLDERS() static_cast<void>(0)
#endif

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::snapshot;
using testing_support::TempDir;

// A program folder as a package installs it, and a player's data folder beside it.
class DataHomeTest : public testing::Test {
  protected:
    void SetUp() override {
        tmp.write("prog/brontara", "program");
        tmp.write("prog/Brontara Help (English).doc", "help");
        tmp.write("prog/Dump/All_dat.ini", "[Programma]\r\nTaalkeuze=Nederlands\r\n");
        tmp.write("prog/Dump/Languages/English.lng", "english");
        tmp.write("prog/Dump/Languages/Deutsch.lng", "deutsch");
        tmp.write("prog/Dump/Textures/ZKT_snowsky.ace", "sky");
        tmp.write("prog/Dump/Sounds/ZKT_Onweer1.wav", "thunder");
        tmp.write("prog/Dump/Sounds/ZKT_rain_in.sms", "rain in");
        tmp.write("prog/Dump/rain/ZKT_rain_Onweer.env", "storm env");
        tmp.mkdir("prog/Dump/back_up");
    }
    void TearDown() override {
        // Give the temporary folder back its write permission, so that it can go.
        for (const auto& entry : fs::recursive_directory_iterator(tmp.path()))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
    // Takes away every write permission, as a package's folders under /usr are for a player.
    void makeReadOnly(const std::string& relative) const {
        fs::permissions(tmp / relative,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    TempDir tmp;
    std::string program = tmp / "prog/";
    std::string user = tmp / "home/.local/share/brontara/";
};

TEST_F(DataHomeTest, AWritableProgramFolderKeepsItsDataBesideTheExecutable) {
    EXPECT_EQ(chooseDataHome(program, user), program);
    EXPECT_FALSE(fs::exists(tmp / "home")); // nothing is made for the player
}

TEST_F(DataHomeTest, AWritableProgramFolderWithoutDataFolderIsStillUsed) {
    // There the settings write fails with its error box, as it always did.
    fs::remove_all(tmp / "prog/Dump");
    EXPECT_EQ(chooseDataHome(program, user), program);
    EXPECT_FALSE(fs::exists(tmp / "home"));
}

TEST_F(DataHomeTest, AReadOnlyDataFolderSendsTheDataToThePlayersFolderSeededFromTheShippedOne) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    const auto shipped = snapshot(tmp / "prog");
    makeReadOnly("prog/Dump");
    makeReadOnly("prog");

    EXPECT_EQ(chooseDataHome(program, user), user);

    EXPECT_EQ(snapshot(tmp / "home/.local/share/brontara/Dump"), snapshot(tmp / "prog/Dump"));
    EXPECT_EQ(snapshot(tmp / "prog"), shipped);  // the program folder is only read
    EXPECT_FALSE(fs::exists(user + "brontara")); // the executable and the help stay where they are
    EXPECT_FALSE(fs::exists(user + "Brontara Help (English).doc"));
}

TEST_F(DataHomeTest, AReadOnlyProgramFolderWithAWritableDataFolderKeepsTheSpecifiedPlace) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    makeReadOnly("prog");
    EXPECT_EQ(chooseDataHome(program, user), program);
}

TEST_F(DataHomeTest, ThePlayersFilesSurviveTheNextStartAndMissingShippedFilesComeBack) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    makeReadOnly("prog/Dump");
    ASSERT_EQ(chooseDataHome(program, user), user);
    tmp.write("home/.local/share/brontara/Dump/All_dat.ini",
              "[Programma]\r\nTaalkeuze=English\r\nTaalscherm=1\r\n");
    tmp.write("home/.local/share/brontara/Dump/Languages/Frysk.lng", "frysk");
    tmp.write("home/.local/share/brontara/Dump/Languages/English.lng", "my english");
    tmp.write("home/.local/share/brontara/Dump/back_up/Zonnedal/rain.env", "back-up");
    fs::remove(user + "Dump/Sounds/ZKT_Onweer1.wav"); // as a seeding cut short leaves it

    EXPECT_EQ(chooseDataHome(program, user), user);

    EXPECT_EQ(readFile(user + "Dump/All_dat.ini"), "[Programma]\r\nTaalkeuze=English\r\nTaalscherm=1\r\n");
    EXPECT_EQ(readFile(user + "Dump/Languages/Frysk.lng"), "frysk");
    EXPECT_EQ(readFile(user + "Dump/Languages/English.lng"), "my english");
    EXPECT_EQ(readFile(user + "Dump/back_up/Zonnedal/rain.env"), "back-up");
    EXPECT_EQ(readFile(user + "Dump/Sounds/ZKT_Onweer1.wav"), "thunder");
}

TEST_F(DataHomeTest, NeitherBackUpsNorAStormJournalAreSeeded) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    // A storm journal refers to the back-ups beside it: a copy would restore files a second time.
    tmp.write("prog/Dump/storm_journal.ini", "[Storm]\r\n");
    tmp.write("prog/Dump/back_up/Zonnedal/rain.env", "someone else's back-up");
    makeReadOnly("prog/Dump");

    ASSERT_EQ(chooseDataHome(program, user), user);

    EXPECT_FALSE(fs::exists(user + "Dump/storm_journal.ini"));
    EXPECT_TRUE(fs::is_directory(user + "Dump/back_up"));
    EXPECT_TRUE(fs::is_empty(user + "Dump/back_up"));
}

TEST_F(DataHomeTest, ANameFromTheShippedFolderNeverLeadsOutOfThePlayersFolder) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    // On Linux a backslash is part of a name; the program's paths read it as a separator.
    tmp.write("prog/Dump/Languages/..\\..\\..\\escaped.lng", "hostile");
    makeReadOnly("prog/Dump");

    ASSERT_EQ(chooseDataHome(program, user), user);

    EXPECT_FALSE(fs::exists(tmp / "home/.local/share/escaped.lng"));
    EXPECT_FALSE(fs::exists(user + "escaped.lng"));
    EXPECT_EQ(readFile(user + "Dump/Languages/English.lng"), "english");
}

TEST_F(DataHomeTest, WithoutAPlaceForThePlayersDataTheProgramFolderStays) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    makeReadOnly("prog/Dump");
    // No user folder known, or one that cannot be made (its parent is a file): the
    // specified "Unable to write" box then tells the player what is wrong.
    EXPECT_EQ(chooseDataHome(program, ""), program);
    tmp.write("home-is-a-file", "x");
    EXPECT_EQ(chooseDataHome(program, tmp / "home-is-a-file/brontara/"), program);
}

TEST_F(DataHomeTest, AReadOnlyProgramFolderWithoutDataFolderHasNothingToSeed) {
    SKIP_WITHOUT_READ_ONLY_FOLDERS();
    fs::remove_all(tmp / "prog/Dump");
    makeReadOnly("prog");
    EXPECT_EQ(chooseDataHome(program, user), program);
    EXPECT_FALSE(fs::exists(tmp / "home"));
}

TEST_F(DataHomeTest, EveryDataPathFollowsTheDataHomeAndTheHelpStaysBesideTheExecutable) {
    Folders f{"/usr/lib/brontara/", "/home/p/.local/share/brontara/"};
    EXPECT_EQ(f.dumpFolder(), "/home/p/.local/share/brontara/Dump");
    EXPECT_EQ(f.settingsFile(), "/home/p/.local/share/brontara/Dump\\All_dat.ini");
    EXPECT_EQ(f.backupFolder(), "/home/p/.local/share/brontara/Dump\\back_up");
    EXPECT_EQ(f.languagesFolder(), "/home/p/.local/share/brontara/Dump\\Languages");
    EXPECT_EQ(f.languageFile("English"), "/home/p/.local/share/brontara/Dump\\Languages\\English.lng");
    EXPECT_EQ(f.programFolder, "/usr/lib/brontara/");
    EXPECT_EQ(Folders{"/opt/B/"}.dataHome(), "/opt/B/");
}

} // namespace
