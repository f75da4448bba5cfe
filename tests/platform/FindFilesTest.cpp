#include "platform/FileSystem.h"
#include "platform/Path.h"

#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::TempDir;

std::vector<std::string> namesOf(const std::vector<FindEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    return names;
}

// A route's Envfiles folder with every kind of entry the search must judge.
class DirectorySearch : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"rain.env", "Heavy_Rain.env", "rain_thunder.env", "winter.env",
                                 ".hidden_rain.env", "ReadOnly_rain.env"})
            dir.write(std::string("Envfiles/") + name, name);
        fs::permissions(dir / "Envfiles/ReadOnly_rain.env", fs::perms::owner_read | fs::perms::group_read);
        dir.mkdir("Envfiles/folderrain.env");
        dir.mkdir("Envfiles/Textures");
        dir.mkdir("Envfiles/.hiddendir");
        ASSERT_EQ(mkfifo((dir / "Envfiles/pipe_rain.env").c_str(), 0644), 0);
        fs::create_symlink("rain.env", dir / "Envfiles/link_rain.env");
        fs::create_symlink("nowhere.env", dir / "Envfiles/broken_rain.env");
        fs::create_symlink("loop_rain.env", dir / "Envfiles/loop_rain.env");
        fs::create_directory_symlink(".", dir / "Envfiles/self");
    }
    std::string in(const std::string& pattern) const { return dir.path() + "\\Envfiles\\" + pattern; }
    TempDir dir;
};

struct SearchCase {
    const char* pattern;
    unsigned filter;
    std::vector<std::string> expected;
};

TEST_F(DirectorySearch, PatternsAndFiltersGiveTheWindowsListing) {
    const SearchCase cases[] = {
        {"*rain*.env",
         AnyFile,
         {".hidden_rain.env", "Heavy_Rain.env", "link_rain.env", "pipe_rain.env", "rain.env",
          "rain_thunder.env", "ReadOnly_rain.env"}},
        {"*rain*.env",
         FoldersAndFiles,
         {"folderrain.env", "Heavy_Rain.env", "link_rain.env", "rain.env", "rain_thunder.env",
          "ReadOnly_rain.env"}},
        {"*.*",
         FoldersAndFiles,
         {".", "..", "folderrain.env", "Heavy_Rain.env", "link_rain.env", "rain.env", "rain_thunder.env",
          "ReadOnly_rain.env", "self", "Textures", "winter.env"}},
        {"*",
         AnyFile,
         {".hidden_rain.env", "Heavy_Rain.env", "link_rain.env", "pipe_rain.env", "rain.env",
          "rain_thunder.env", "ReadOnly_rain.env", "winter.env"}},
        {"*",
         63, // everything
         {".", "..", ".hiddendir", ".hidden_rain.env", "folderrain.env", "Heavy_Rain.env", "link_rain.env",
          "pipe_rain.env", "rain.env", "rain_thunder.env", "ReadOnly_rain.env", "self", "Textures",
          "winter.env"}},
        {"RAIN.ENV", AnyFile, {"rain.env"}},
        {"rain.env", FoldersAndFiles, {"rain.env"}},
        {".hidden_rain.env", FoldersAndFiles, {}},
        {".hidden_rain.env", AnyFile, {".hidden_rain.env"}},
        {"folderrain.env", AnyFile, {}},
        {"FolderRain.env", FoldersAndFiles, {"folderrain.env"}},
        {"pipe_rain.env", FoldersAndFiles, {}},
        {"?ain.env", AnyFile, {"rain.env"}},
        {"*.ENV",
         0,
         {"Heavy_Rain.env", "link_rain.env", "rain.env", "rain_thunder.env", "ReadOnly_rain.env",
          "winter.env"}},
        {"broken_rain.env", 63, {}},
        {"loop_rain.env", 63, {}},
        {"nothing*", 63, {}},
        {"textures", FoldersAndFiles, {"Textures"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(namesOf(findFiles(in(c.pattern), c.filter)), c.expected) << c.pattern << " / " << c.filter;
        EXPECT_EQ(exists(in(c.pattern), c.filter), !c.expected.empty()) << c.pattern << " / " << c.filter;
    }
}

TEST_F(DirectorySearch, ReportsWindowsAttributes) {
    const std::pair<const char*, unsigned> cases[] = {
        {".", Directory},
        {"rain.env", Archive},
        {"ReadOnly_rain.env", Archive | ReadOnly},
        {".hidden_rain.env", Archive | Hidden},
        {".hiddendir", Directory | Hidden},
        {"Textures", Directory},
        {"pipe_rain.env", SysFile},
        {"link_rain.env", Archive}, // a link reports what it points to
        {"self", Directory},
    };
    const auto entries = findFiles(in("*"), 63);
    for (const auto& [name, attributes] : cases) {
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&, n = name](const FindEntry& e) { return e.name == n; });
        ASSERT_NE(it, entries.end()) << name;
        EXPECT_EQ(it->attributes, attributes) << name;
        EXPECT_EQ(it->isDirectory(), (attributes & Directory) != 0) << name;
    }
}

TEST_F(DirectorySearch, FolderPartIsMatchedWithoutRegardToCase) {
    EXPECT_EQ(namesOf(findFiles(dir.path() + "/ENVFILES//TEXTURES\\..\\RAIN.ENV", AnyFile)),
              std::vector<std::string>{"rain.env"});
    EXPECT_TRUE(exists(dir.path() + "\\envfiles", FoldersAndFiles));
    EXPECT_FALSE(exists(dir.path() + "\\envfiles", AnyFile)); // a folder is no file
}

TEST_F(DirectorySearch, NamesThatCannotBeSearchedGiveNothing) {
    const std::string cases[] = {
        "",
        dir.path() + "\\Envfiles\\",            // a pattern ending in a separator
        dir.path() + "\\Missing\\*.*",          // a folder that is not there
        dir.path() + "\\Envfiles\\rain.env\\*", // a file, not a folder
        dir.path() + "\\Envfiles\\self\\self\\nothing",
    };
    for (const auto& pattern : cases)
        EXPECT_TRUE(findFiles(pattern, 63).empty()) << pattern;
}

TEST_F(DirectorySearch, UnreadableFolderGivesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    fs::permissions(dir / "Envfiles", fs::perms::none);
    EXPECT_TRUE(findFiles(in("*"), 63).empty());
}

TEST(DirectorySearchSpelling, NamesDifferingOnlyInCaseGiveOneEntryForAPlainName) {
    TempDir dir;
    dir.write("Same", "1");
    dir.write("SAME", "2");
    dir.write("same", "3");
    const std::pair<const char*, const char*> cases[] = {
        {"same", "same"},
        {"SAME", "SAME"},
        {"Same", "Same"},
        {"sAME", "SAME"},
    };
    for (const auto& [pattern, found] : cases)
        EXPECT_EQ(namesOf(findFiles(dir / pattern, AnyFile)), std::vector<std::string>{found}) << pattern;
    EXPECT_EQ(namesOf(findFiles(dir / "s*", AnyFile)), (std::vector<std::string>{"SAME", "Same", "same"}));
}

TEST(DirectorySearchRoot, RootFolderHasNoDotEntries) {
    const auto names = namesOf(findFiles("\\*.*", FoldersAndFiles));
    EXPECT_FALSE(names.empty());
    EXPECT_EQ(std::count(names.begin(), names.end(), "."), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "tmp"), 1);
}

TEST(DirectorySearchLarge, TenThousandEntriesComeSortedAndQuickly) {
    TempDir dir;
    constexpr int kCount = 10000;
    for (int k = 0; k < kCount; ++k) {
        const std::string name = dir / ((k % 2 ? "Route_" : "route_") + std::to_string(kCount - k) + ".env");
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << name;
        close(fd);
    }
    const auto start = std::chrono::steady_clock::now();
    const auto entries = findFiles(dir / "*.env", AnyFile);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kCount));
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const FindEntry& a, const FindEntry& b) {
        return fileNameLess(a.name, b.name);
    }));
    EXPECT_LT(elapsed,
              std::chrono::seconds(5)); // a generous bound: it catches quadratic work, not a slow machine
    EXPECT_TRUE(exists(dir / "ROUTE_5000.ENV", AnyFile));
}

} // namespace
