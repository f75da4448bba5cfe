// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/Folders.h"

#include <gtest/gtest.h>

namespace {

TEST(Folders, ProgramFolderEndsAtTheLastSeparatorOfTheExecutable) {
    EXPECT_EQ(Folders::folderOf("/opt/Brontara/brontara"), "/opt/Brontara/");
    EXPECT_EQ(Folders::folderOf("C:\\Spellen\\Brontara\\Brontara.exe"), "C:\\Spellen\\Brontara\\");
    EXPECT_EQ(Folders::folderOf("/brontara"), "/");
    EXPECT_EQ(Folders::folderOf("brontara"), "");
}

TEST(Folders, DataPathsAreBuiltFromTheProgramFolder) {
    Folders f{"/opt/B/"};
    EXPECT_EQ(f.DumpFolder(), "/opt/B/Dump");
    EXPECT_EQ(f.SettingsFile(), "/opt/B/Dump\\All_dat.ini");
    EXPECT_EQ(f.BackupFolder(), "/opt/B/Dump\\back_up");
    EXPECT_EQ(f.LanguageFile("English"), "/opt/B/Dump\\Languages\\English.lng");
}

TEST(Folders, TheRunningExecutableIsFoundWhateverTheCurrentDirectory) {
    Folders f = Folders::ofExecutable();
    ASSERT_FALSE(f.ProgramFolder.empty());
#ifdef _WIN32
    ASSERT_GE(f.ProgramFolder.size(), 3u);
    EXPECT_EQ(f.ProgramFolder.back(), '\\');
    EXPECT_EQ(f.ProgramFolder.substr(1, 2), ":\\"); // a drive's full path
#else
    EXPECT_EQ(f.ProgramFolder.back(), '/');
    EXPECT_EQ(f.ProgramFolder.front(), '/');
#endif
}

} // namespace
