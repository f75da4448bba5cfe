// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::readFile;
using testing_support::snapshot;
using testing_support::TempDir;

// Lets a file grow to `bytes` at most, as a nearly full disk would: a longer
// write fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// The simulator and the program's data folder, for copies both ways.
void layOut(const TempDir& dir) {
    dir.write("Dump/rain/ZKT_rain_Onweer.env", "storm");
    dir.mkdir("Dump/back_up");
    dir.write("MSTS/Routes/Zonnedal/Envfiles/rain.env", "original rain");
    dir.write("MSTS/SOUND/rain_in.sms", "inside");
    dir.write("MSTS/SOUND/locked.sms", "locked");
    fs::permissions(dir / "MSTS/SOUND/locked.sms", fs::perms::owner_read);
    dir.mkdir("MSTS/SOUND/folder.sms");
}

class FileOperations : public ::testing::Test {
  protected:
    void SetUp() override { layOut(dir); }
    std::string win(const std::string& relative) const { return dir.path() + "\\" + relative; }
    TempDir dir;
};

struct CopyCase {
    const char* name;
    std::string from, to;
    bool failIfExists;
    bool succeeds;
    std::map<std::string, std::string> changed; // files whose content differs afterwards
};

TEST(FileCopy, SucceedsOrFailsAsCopyFileDoes) {
    const CopyCase cases[] = {
        {"new file",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\SOUND\\new.env",
         true,
         true,
         {{"MSTS/SOUND/new.env", "storm"}}},
        {"overwrite allowed",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\Routes\\Zonnedal\\Envfiles\\rain.env",
         false,
         true,
         {{"MSTS/Routes/Zonnedal/Envfiles/rain.env", "storm"}}},
        {"overwrite refused",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\Routes\\Zonnedal\\Envfiles\\RAIN.ENV",
         true,
         false,
         {}},
        {"back-up with other case",
         "MSTS\\Routes\\Zonnedal\\Envfiles\\rain.env",
         "\\Dump\\Back_up\\rain.env",
         true,
         true,
         {{"Dump/back_up/rain.env", "original rain"}}},
        {"read-only destination",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\SOUND\\locked.sms",
         false,
         false,
         {}},
        {"destination is a folder",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\SOUND\\folder.sms",
         false,
         false,
         {}},
        {"source missing", "Dump\\rain\\missing.env", "MSTS\\SOUND\\rain_in.sms", false, false, {}},
        {"source is a folder", "MSTS\\SOUND\\folder.sms", "MSTS\\SOUND\\copy.sms", false, false, {}},
        {"destination folder missing",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\NoSuch\\x.env",
         false,
         false,
         {}},
        {"destination ends in a separator",
         "Dump\\rain\\ZKT_rain_Onweer.env",
         "MSTS\\SOUND\\x.sms\\",
         false,
         false,
         {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        layOut(dir);
        const auto win = [&](const std::string& relative) { return dir.path() + "\\" + relative; };
        auto expected = snapshot(dir.path());
        for (const auto& [file, content] : c.changed)
            expected[file] = content;
        EXPECT_EQ(copyFile(win(c.from), win(c.to), c.failIfExists), c.succeeds) << c.name;
        EXPECT_EQ(snapshot(dir.path()), expected) << c.name; // also: no temporary file left anywhere
    }
}

// A named pipe, a device and a folder in a rain file's place: each operation
// refuses it at once. Opening the pipe would wait for a writer for ever; the
// test's time limit shows it.
TEST_F(FileOperations, OnlyRegularFilesAreOpenedAndNothingWaits) {
    const std::string pipe = dir / "MSTS/SOUND/rain_ex.sms";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    fs::create_symlink("/dev/null", dir / "MSTS/SOUND/device.sms");
    for (const std::string name : {"rain_ex.sms", "device.sms", "folder.sms"}) {
        SCOPED_TRACE(name);
        const std::string path = win("MSTS\\SOUND\\" + name);
        EXPECT_FALSE(copyFile(path, win("Dump\\back_up\\copy.sms"), false));
        EXPECT_FALSE(readWholeFile(path));
        EXPECT_FALSE(sameContents(path, path));
        EXPECT_FALSE(copyFile(win("MSTS\\SOUND\\rain_in.sms"), path, false));
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_FALSE(fs::exists(dir / "Dump/back_up/copy.sms"));
}

TEST_F(FileOperations, CopyKeepsTheSourcePermissions) {
    fs::permissions(dir / "Dump/rain/ZKT_rain_Onweer.env", fs::perms(0640));
    ASSERT_TRUE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("MSTS\\SOUND\\a.env"), true));
    EXPECT_EQ(fs::status(dir / "MSTS/SOUND/a.env").permissions(), fs::perms(0640));

    fs::permissions(dir / "Dump/rain/ZKT_rain_Onweer.env", fs::perms(0444));
    ASSERT_TRUE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("MSTS\\SOUND\\rain_in.sms"), false));
    EXPECT_EQ(fs::status(dir / "MSTS/SOUND/rain_in.sms").permissions(), fs::perms(0444));
    EXPECT_EQ(readFile(dir / "MSTS/SOUND/rain_in.sms"), "storm");
    // Now read-only, as Windows copies the attribute: a second overwrite is refused.
    EXPECT_FALSE(
        copyFile(win("MSTS\\Routes\\Zonnedal\\Envfiles\\rain.env"), win("MSTS\\SOUND\\rain_in.sms"), false));
}

TEST_F(FileOperations, CopyKeepsTheLastWriteTime) {
    const auto written = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(dir / "Dump/rain/ZKT_rain_Onweer.env", written);
    ASSERT_TRUE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("MSTS\\SOUND\\rain_in.sms"), false));
    EXPECT_EQ(fs::last_write_time(dir / "MSTS/SOUND/rain_in.sms"), written);
}

TEST_F(FileOperations, CopyWritesThroughALinkAndKeepsIt) {
    fs::create_symlink("rain_in.sms", dir / "MSTS/SOUND/link.sms");
    ASSERT_TRUE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("MSTS\\SOUND\\link.sms"), false));
    EXPECT_TRUE(fs::is_symlink(dir / "MSTS/SOUND/link.sms"));
    EXPECT_EQ(readFile(dir / "MSTS/SOUND/rain_in.sms"), "storm");
}

TEST_F(FileOperations, CopyThatRunsOutOfSpaceLeavesNoTrace) {
    dir.write("Dump/big.wav", std::string(200000, 'x'));
    const auto before = snapshot(dir.path());
    {
        FileSizeLimit limit(100000);
        EXPECT_FALSE(copyFile(win("Dump\\big.wav"), win("MSTS\\SOUND\\rain_in.sms"), false));
        EXPECT_FALSE(copyFile(win("Dump\\big.wav"), win("MSTS\\SOUND\\thunder.wav"), true));
    }
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(FileOperations, CopyIntoAReadOnlyFolderFails) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    fs::permissions(dir / "MSTS/SOUND", fs::perms(0555));
    EXPECT_FALSE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("MSTS\\SOUND\\new.env"), false));
    EXPECT_FALSE(fs::exists(dir / "MSTS/SOUND/new.env"));
}

TEST_F(FileOperations, DeleteRemovesOneFileOnly) {
    fs::create_symlink("rain_in.sms", dir / "MSTS/SOUND/link.sms");
    fs::create_directory_symlink("folder.sms", dir / "MSTS/SOUND/folderlink");
    const std::pair<const char*, bool> cases[] = {
        {"MSTS\\sound\\RAIN_IN.SMS", true},
        {"MSTS\\SOUND\\rain_in.sms", false}, // already gone
        {"MSTS\\SOUND\\folder.sms", false},
        {"MSTS\\SOUND\\folderlink", false},
        {"MSTS\\SOUND\\link.sms", true}, // the link, not what it points to
        {"MSTS\\SOUND\\locked.sms\\", false},
        {"MSTS\\SOUND\\locked.sms", true}, // the folder's permission decides, as on Linux
        {"MSTS\\SOUND\\missing.wav", false},
    };
    for (const auto& [path, succeeds] : cases)
        EXPECT_EQ(deleteFile(win(path)), succeeds) << path;
    EXPECT_TRUE(fs::is_directory(dir / "MSTS/SOUND/folder.sms"));
    EXPECT_TRUE(fs::is_symlink(dir / "MSTS/SOUND/folderlink"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "MSTS/SOUND/link.sms")));
}

TEST_F(FileOperations, CreateDirectoryMakesOneLevel) {
    const std::pair<const char*, bool> cases[] = {
        {"\\Dump\\back_up\\Zonnedal", true}, {"\\Dump\\Back_up\\ZONNEDAL", false}, // exists, in another case
        {"\\Dump\\back_up\\Sounds\\", true}, {"\\Dump\\back_up\\a\\b", false},     // parent missing
        {"\\Dump\\back_up", false},          {"\\Dump\\rain\\ZKT_rain_Onweer.env", false},
    };
    for (const auto& [path, succeeds] : cases)
        EXPECT_EQ(createDirectory(win(path)), succeeds) << path;
    EXPECT_TRUE(fs::is_directory(dir / "Dump/back_up/Zonnedal"));
    EXPECT_TRUE(fs::is_directory(dir / "Dump/back_up/Sounds"));
    EXPECT_FALSE(fs::exists(dir / "Dump/back_up/a"));
}

TEST(FileOperationsWithoutDrive, UnmappablePathsFail) {
    testing_support::ScopedEnv wine("WINEPREFIX", std::nullopt);
    testing_support::ScopedEnv home("HOME", std::nullopt);
    TempDir dir;
    const std::string file = dir.write("a.txt", "a");
    EXPECT_FALSE(copyFile(file, "C:\\a.txt", false));
    EXPECT_FALSE(copyFile("C:\\a.txt", dir / "b.txt", false));
    EXPECT_FALSE(deleteFile("C:\\a.txt"));
    EXPECT_FALSE(createDirectory("C:\\new"));
    EXPECT_FALSE(createDirectory(""));
    EXPECT_TRUE(findFiles("C:\\*.*", 63).empty());
}

TEST_F(FileOperations, DurableChangesBehaveAsTheOrdinaryOnes) {
    // Whether the disk has them cannot be seen from here; what they do must not differ.
    EXPECT_TRUE(createDirectory(win("Dump\\back_up\\Zonnedal"), true));
    EXPECT_FALSE(createDirectory(win("Dump\\back_up\\Zonnedal"), true));
    EXPECT_TRUE(copyFile(win("MSTS\\Routes\\Zonnedal\\Envfiles\\rain.env"),
                         win("Dump\\back_up\\Zonnedal\\rain.env"), false, true));
    EXPECT_EQ(readFile(dir / "Dump/back_up/Zonnedal/rain.env"), "original rain");
    EXPECT_FALSE(copyFile(win("Dump\\rain\\ZKT_rain_Onweer.env"), win("Dump\\back_up\\Zonnedal\\rain.env"),
                          true, true));
    EXPECT_FALSE(copyFile(win("Dump\\rain\\missing.env"), win("Dump\\back_up\\x.env"), false, true));
    EXPECT_TRUE(deleteFile(win("Dump\\back_up\\Zonnedal\\rain.env"), true));
    EXPECT_FALSE(deleteFile(win("Dump\\back_up\\Zonnedal\\rain.env"), true));
    EXPECT_EQ(snapshot(dir / "Dump/back_up"), (std::map<std::string, std::string>{{"Zonnedal/", ""}}));
}

TEST_F(FileOperations, AResolvedPathHasEveryLinkDotAndLetterCaseResolved) {
    fs::create_directory_symlink(dir / "MSTS/Routes/Zonnedal", dir / "MSTS/Routes/Link");
    const std::string real = fs::canonical(dir.path()).string();
    EXPECT_EQ(resolvedPath(win("msts\\routes\\LINK\\envfiles\\.\\..\\Envfiles")),
              real + "/MSTS/Routes/Zonnedal/Envfiles");
    EXPECT_EQ(resolvedPath(win("MSTS\\SOUND\\not there\\x")), real + "/MSTS/SOUND/not there/x");
    EXPECT_TRUE(folderExists(win("msts\\sound")));
    EXPECT_FALSE(folderExists(win("MSTS\\SOUND\\rain_in.sms")));
    EXPECT_FALSE(folderExists(win("MSTS\\gone")));
}

struct InsideCase {
    const char* path;
    bool throughLink;
    bool inside;
};

TEST_F(FileOperations, APathLiesInsideAFolderOnlyWhereItReallyLeads) {
    dir.write("outside.env", "not the simulator's");
    fs::create_symlink(dir / "outside.env", dir / "MSTS/SOUND/out.sms");
    fs::create_symlink(dir / "MSTS/SOUND/rain_in.sms", dir / "MSTS/SOUND/in.sms");
    fs::create_directory_symlink(dir / "Dump", dir / "MSTS/SOUND/DumpLink");
    const std::string sound = *resolvedPath(win("MSTS\\SOUND"));
    const InsideCase cases[] = {
        {"MSTS\\SOUND\\rain_in.sms", true, true},
        {"MSTS\\sound\\new.wav", true, true},
        {"MSTS\\SOUND\\a\\b\\new.wav", false, true},
        {"MSTS\\SOUND", true, false},
        {"MSTS\\SOUND\\", false, false},
        {"MSTS\\SOUND2\\rain_in.sms", true, false},
        {"MSTS\\SOUND\\..\\train.exe", true, false},
        {"MSTS\\SOUND\\x\\..\\..\\..\\outside.env", true, false},
        {"MSTS\\SOUND\\out.sms", true, false}, // a write goes through the link
        {"MSTS\\SOUND\\out.sms", false, true}, // a delete removes only the link
        {"MSTS\\SOUND\\in.sms", true, true},
        {"MSTS\\SOUND\\DumpLink\\x.env", false, false},
        {"MSTS\\SOUND\\DumpLink", false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(liesInside(win(c.path), sound, c.throughLink), c.inside) << c.path << " " << c.throughLink;
}

} // namespace
