// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::readFile;
using testing_support::TempDir;

class FileContents : public ::testing::Test {
  protected:
    std::string win(const std::string& relative) const { return tmp.path() + "\\" + relative; }
    TempDir tmp;
};

TEST_F(FileContents, ReadsAWholeFileWhateverItHoldsAndNothingElse) {
    const std::string bytes("a\0b\r\nc\xff", 7);
    tmp.write("Dump/Journal.ini", bytes);
    tmp.mkdir("Dump/Map");
    EXPECT_EQ(platform::readWholeFile(win("Dump\\Journal.ini")), bytes);
    EXPECT_EQ(platform::readWholeFile(win("DUMP\\journal.INI")), bytes); // names as Windows matches them
    EXPECT_EQ(platform::readWholeFile(win("Dump\\Missing.ini")), std::nullopt);
    EXPECT_EQ(platform::readWholeFile(win("Dump\\Map")), std::nullopt); // a folder is no file
    tmp.write("Dump/Empty.ini", "");
    EXPECT_EQ(platform::readWholeFile(win("Dump\\Empty.ini")), std::string());
}

TEST_F(FileContents, WritesAWholeFileAndLeavesNoTemporaryFileBehind) {
    tmp.mkdir("Dump");
    for (bool durable : {false, true}) {
        ASSERT_TRUE(platform::writeWholeFile(win("Dump\\journal.ini"), "eerste", durable));
        EXPECT_EQ(readFile(tmp / "Dump/journal.ini"), "eerste");
        ASSERT_TRUE(platform::writeWholeFile(win("Dump\\JOURNAL.ini"), "tweede", durable)); // the same file
        EXPECT_EQ(readFile(tmp / "Dump/journal.ini"), "tweede");
    }
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tmp / "Dump"))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(FileContents, AWriteThatCannotBeMadeFailsAndChangesNothing) {
    tmp.mkdir("Dump/Map");
    EXPECT_FALSE(platform::writeWholeFile(win("Nergens\\journal.ini"), "x", true)); // no folder is created
    EXPECT_FALSE(platform::writeWholeFile(win("Dump\\Map"), "x", false));           // a folder stays a folder
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "Dump/Map"));
    EXPECT_FALSE(std::filesystem::exists(tmp / "Nergens"));
}

TEST_F(FileContents, ComparesBytes) {
    struct Case {
        const char* name;
        std::string a, b;
        bool same;
    } cases[] = {
        {"equal", "rain env", "rain env", true},
        {"same size, one byte differs", "rain env", "rain enw", false},
        {"different sizes", "rain env", "rain env ", false},
        {"both empty", "", "", true},
        {"large and equal", std::string(300000, 'x'), std::string(300000, 'x'), true},
        {"large, last byte differs", std::string(300000, 'x'), std::string(299999, 'x') + "y", false},
    };
    for (const auto& c : cases) {
        tmp.write("a.env", c.a);
        tmp.write("b.env", c.b);
        EXPECT_EQ(platform::sameContents(win("a.env"), win("b.env")), c.same) << c.name;
    }
    tmp.mkdir("Map");
    EXPECT_FALSE(platform::sameContents(win("a.env"), win("Missing.env")));
    EXPECT_FALSE(platform::sameContents(win("Map"), win("Map")));
}

TEST_F(FileContents, MovesOnlyToANameThatIsFree) {
    tmp.write("Dump/back_up/Zonnedal/rain.env", "origineel");
    tmp.write("Dump/journal.ini", "journaal");
    tmp.write("Dump/bezet.ini", "bezet");
    EXPECT_TRUE(platform::moveEntry(win("Dump\\back_up"), win("Dump\\storm_kept_1")));
    EXPECT_EQ(readFile(tmp / "Dump/storm_kept_1/Zonnedal/rain.env"), "origineel");
    EXPECT_FALSE(std::filesystem::exists(tmp / "Dump/back_up"));
    EXPECT_FALSE(platform::moveEntry(win("Dump\\journal.ini"), win("Dump\\bezet.ini")));
    EXPECT_EQ(readFile(tmp / "Dump/journal.ini"), "journaal");
    EXPECT_EQ(readFile(tmp / "Dump/bezet.ini"), "bezet");
    EXPECT_FALSE(platform::moveEntry(win("Dump\\weg.ini"), win("Dump\\nieuw.ini")));
}

} // namespace
