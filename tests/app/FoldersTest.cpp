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
    EXPECT_EQ(f.dumpFolder(), "/opt/B/Dump");
    EXPECT_EQ(f.settingsFile(), "/opt/B/Dump\\All_dat.ini");
    EXPECT_EQ(f.backupFolder(), "/opt/B/Dump\\back_up");
    EXPECT_EQ(f.languageFile("English"), "/opt/B/Dump\\Languages\\English.lng");
}

TEST(Folders, TheRunningExecutableIsFoundWhateverTheCurrentDirectory) {
    Folders f = Folders::ofExecutable();
    ASSERT_FALSE(f.programFolder.empty());
#ifdef _WIN32
    ASSERT_GE(f.programFolder.size(), 3u);
    EXPECT_EQ(f.programFolder.back(), '\\');
    EXPECT_EQ(f.programFolder.substr(1, 2), ":\\"); // a drive's full path
#else
    EXPECT_EQ(f.programFolder.back(), '/');
    EXPECT_EQ(f.programFolder.front(), '/');
#endif
}

} // namespace
