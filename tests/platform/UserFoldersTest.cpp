// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own data folder and the test for a folder the program may write.
#include "platform/UserFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

TEST(FolderIsWritable, TellsAWritableFolderFromAFileAndAMissingOne) {
    TempDir tmp;
    tmp.mkdir("open");
    tmp.write("file", "x");
    EXPECT_TRUE(platform::folderIsWritable(tmp / "open"));
    EXPECT_TRUE(platform::folderIsWritable(tmp / "open/"));
    EXPECT_FALSE(platform::folderIsWritable(tmp / "file"));
    EXPECT_FALSE(platform::folderIsWritable(tmp / "missing"));
    EXPECT_TRUE(fs::is_empty(tmp / "open")); // asking leaves nothing behind
}

#ifdef _WIN32

TEST(UserDataFolder, IsBrontaraInTheLocalApplicationDataFolder) {
    const std::string folder = platform::userDataFolder();
    ASSERT_GT(folder.size(), std::string("\\Brontara\\").size());
    EXPECT_EQ(folder.substr(folder.size() - 10), "\\Brontara\\");
    EXPECT_TRUE(fs::is_directory(folder.substr(0, folder.size() - 10)));
}

#else

TEST(FolderIsWritable, AFolderWithoutWritePermissionIsNotWritableEvenForRoot) {
    TempDir tmp;
    tmp.mkdir("closed");
    fs::permissions(tmp / "closed", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(platform::folderIsWritable(tmp / "closed"));
    fs::permissions(tmp / "closed", fs::perms::owner_all);
    EXPECT_TRUE(platform::folderIsWritable(tmp / "closed"));
}

struct UserFolderCase {
    const char* name;
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
    std::string expected;
};

class UserDataFolder : public testing::TestWithParam<UserFolderCase> {};

TEST_P(UserDataFolder, FollowsTheXdgRules) {
    testing_support::ScopedEnv xdg("XDG_DATA_HOME", GetParam().xdgDataHome);
    testing_support::ScopedEnv home("HOME", GetParam().home);
    EXPECT_EQ(platform::userDataFolder(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserDataFolder,
    testing::Values(UserFolderCase{"XdgDataHome", "/data/me", "/home/me", "/data/me/brontara/"},
                    UserFolderCase{"XdgDataHomeWithSlash", "/data/me/", "/home/me", "/data/me/brontara/"},
                    UserFolderCase{"NoXdgDataHome", std::nullopt, "/home/me",
                                   "/home/me/.local/share/brontara/"},
                    UserFolderCase{"EmptyXdgDataHome", "", "/home/me", "/home/me/.local/share/brontara/"},
                    UserFolderCase{"RelativeXdgDataHomeIsIgnored", "data", "/home/me",
                                   "/home/me/.local/share/brontara/"}),
    [](const auto& info) { return std::string(info.param.name); });

#endif

} // namespace
