// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Path.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;
using testing_support::ScopedCurrentDir;
using testing_support::ScopedEnv;
using testing_support::TempDir;

std::string backslashed(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// A program folder as the storm code meets it, with names that differ only in case.
class PathMapping : public ::testing::Test {
  protected:
    void SetUp() override {
        root.mkdir("Dump/back_up");
        root.write("Dump/All_dat.ini", "");
        root.mkdir("Sound");
        root.write("case/abc", "lower");
        root.write("case/ABC", "upper");
        root.write("case/Only", "");
    }
    TempDir root;
};

struct MappingCase {
    std::string relative; // appended to the temporary folder's path
    std::string expected; // relative to it; "" is the folder itself
};

TEST_F(PathMapping, MapsSeparatorsCaseAndDotsAsWindowsDoes) {
    const MappingCase cases[] = {
        {"\\Dump\\back_up", "Dump/back_up"},
        {"/dump/BACK_UP", "Dump/back_up"},         // both separators, any case
        {"\\\\Dump\\\\\\Back_up", "Dump/back_up"}, // doubled separators count as one
        {"\\Dump\\back_up\\", "Dump/back_up/"},    // a trailing separator is kept
        {"\\DUMP\\all_dat.INI", "Dump/All_dat.ini"},
        {"\\Dump\\.\\back_up\\..\\All_dat.ini", "Dump/All_dat.ini"},
        {"\\Dump\\back_up\\..\\..\\Sound", "Sound"},
        {"\\SOUND\\ZKT_Onweer1.wav", "Sound/ZKT_Onweer1.wav"}, // a new file keeps the spelling given
        {"\\dump\\Back_up\\Sounds\\rain_in.sms", "Dump/back_up/Sounds/rain_in.sms"},
        {"\\Missing\\dump\\sound", "Missing/dump/sound"}, // after a missing component nothing is looked up
        {"\\case\\abc", "case/abc"},                      // the exact spelling first
        {"\\case\\ABC", "case/ABC"},
        {"\\case\\Abc", "case/ABC"}, // else the first in NTFS order
        {"\\case\\only", "case/Only"},
        {"\\case\\Only\\deeper", "case/Only/deeper"}, // below a file: nothing to find
        {"", ""},
    };
    for (const auto& c : cases) {
        for (const std::string& base : {root.path(), backslashed(root.path())}) {
            const auto host = platform::toHostPath(base + c.relative);
            ASSERT_TRUE(host.has_value()) << c.relative;
            EXPECT_EQ(*host, c.expected.empty() ? root.path() : root / c.expected) << base + c.relative;
        }
    }
}

TEST_F(PathMapping, RelativeTextIsBelowTheCurrentFolder) {
    ScopedCurrentDir here(root / "Dump");
    const std::string folderName = fs::path(root.path()).filename().string();
    const MappingCase cases[] = {
        {"back_up", "Dump/back_up"},
        {".\\BACK_UP\\", "Dump/back_up/"},
        {".", "Dump"},
        {"..\\sound", "Sound"},
        {"..\\..\\" + folderName + "\\case\\abc", "case/abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::toHostPath(c.relative), root / c.expected) << c.relative;
}

TEST(PathRelative, NothingWhenTheCurrentFolderIsGone) {
    TempDir dir;
    ScopedCurrentDir here(dir.mkdir("gone"));
    fs::remove(dir / "gone");
    EXPECT_FALSE(platform::toHostPath("All_dat.ini").has_value());
    EXPECT_FALSE(platform::toHostPath("..\\All_dat.ini").has_value());
    EXPECT_EQ(platform::toHostPath("\\etc"), "/etc");
}

TEST(PathRoot, LeadingSeparatorMeansTheRoot) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\", "/"}, {"/", "/"}, {"\\\\", "/"}, {"\\..\\..", "/"}, {"\\tmp\\..\\..\\", "/"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(platform::toHostPath(text), expected) << text;
}

TEST(PathRoot, EmptyTextCannotBeMapped) {
    EXPECT_FALSE(platform::toHostPath("").has_value());
    EXPECT_FALSE(platform::toHostPath(std::string("\0/tmp", 5)).has_value());
}

// A fake Wine prefix: dosdevices/c: links to drive_c, as Wine sets it up.
class WineDrive : public ::testing::Test {
  protected:
    void SetUp() override {
        prefix.write("drive_c/Program Files/Microsoft Games/Train Simulator/TRAIN.EXE", "");
        prefix.mkdir("dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        driveC = fs::canonical(prefix / "drive_c").string();
    }
    TempDir prefix;
    std::string driveC;
};

TEST_F(WineDrive, DriveLettersMapThroughThePrefix) {
    ScopedEnv wine("WINEPREFIX", prefix.path());
    const MappingCase cases[] = {
        {"C:\\program files\\MICROSOFT GAMES\\train simulator\\train.exe",
         "/Program Files/Microsoft Games/Train Simulator/TRAIN.EXE"},
        {"c:/Program Files//", "/Program Files/"},
        {"C:\\", ""},
        {"C:", ""},
        {"C:\\..\\..\\Program Files", "/Program Files"}, // ".." stops at the drive's root
        {"C:program files", "/Program Files"},           // drive-relative: from the drive's root
        {"C:\\New Folder\\x.ini", "/New Folder/x.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::toHostPath(c.relative), driveC + c.expected) << c.relative;
}

TEST_F(WineDrive, AnUnknownDriveOrNoPrefixCannotBeMapped) {
    {
        ScopedEnv wine("WINEPREFIX", prefix.path());
        EXPECT_FALSE(platform::toHostPath("D:\\MSTS").has_value());
    }
    {
        ScopedEnv wine("WINEPREFIX", std::nullopt);
        ScopedEnv home("HOME", std::nullopt);
        EXPECT_EQ(platform::winePrefix(), "");
        EXPECT_FALSE(platform::toHostPath("C:\\MSTS").has_value());
        EXPECT_EQ(platform::toHostPath("\\MSTS"), "/MSTS"); // no drive, no prefix needed
    }
}

TEST(WinePrefix, TakesTheVariableElseTheHomeFolder) {
    struct Case {
        std::optional<std::string> winePrefix, home;
        std::string expected;
    };
    const Case cases[] = {
        {"/opt/wine", "/home/u", "/opt/wine"},      {"", "/home/u", "/home/u/.wine"},
        {std::nullopt, "/home/u", "/home/u/.wine"}, {std::nullopt, "", ""},
        {std::nullopt, std::nullopt, ""},           {"/opt/wine", std::nullopt, "/opt/wine"},
    };
    for (const auto& c : cases) {
        ScopedEnv wine("WINEPREFIX", c.winePrefix);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(platform::winePrefix(), c.expected) << c.winePrefix.value_or("(unset)");
    }
}

TEST_F(WineDrive, HomeWineIsTheDefaultPrefix) {
    TempDir home;
    fs::create_directory_symlink(prefix.path(), home / ".wine");
    ScopedEnv wine("WINEPREFIX", std::nullopt);
    ScopedEnv homeVariable("HOME", home.path());
    EXPECT_EQ(platform::toHostPath("C:\\PROGRAM FILES"), driveC + "/Program Files");
}

} // namespace
