// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/Settings.h"
#include "platform/Error.h"
#include "platform/Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using testing_support::readFile;
using testing_support::TempDir;

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { tmp.mkdir("Dump"); }
    TempDir tmp;
    Folders folders{tmp.path() + "/"};
};

TEST_F(SettingsFile, MissingFileReadsAsEmptyTextsAndFalse) {
    EXPECT_EQ(settings::readLanguage(folders), "");
    EXPECT_FALSE(settings::readLanguageAnswered(folders));
    EXPECT_EQ(settings::readSimulatorFolder(folders), "");
}

TEST_F(SettingsFile, AFullFirstStartLeavesExactlyTheThreeEntriesInWriteOrder) {
    // The order of a first start: every language application, the language
    // window's OK (Taalscherm, then Taalkeuze), the location window's OK.
    settings::writeLanguage(folders, "Nederlands");
    settings::writeLanguageAnswered(folders);
    settings::writeLanguage(folders, "English");
    settings::writeSimulatorFolder(folders, "C:\\Program Files\\Microsoft Games\\Train Simulator");
    EXPECT_EQ(readFile(tmp / "Dump/All_dat.ini"),
              "[Programma]\r\nTaalkeuze=English\r\nTaalscherm=1\r\n"
              "[msts locatie]\r\nPad=C:\\Program Files\\Microsoft Games\\Train Simulator\r\n");
    EXPECT_EQ(settings::readLanguage(folders), "English");
    EXPECT_TRUE(settings::readLanguageAnswered(folders));
}

TEST_F(SettingsFile, PadIsReadBackWithoutTrailingBlanksAndATrailingBackslashStays) {
    tmp.write("Dump/All_dat.ini", "[msts locatie]\r\nPad=/games/msts\\   \r\n");
    EXPECT_EQ(settings::readSimulatorFolder(folders), "/games/msts\\");
}

TEST_F(SettingsFile, TaalschermValues) {
    struct Case {
        const char* value;
        bool answered;
    } cases[] = {{"1", true},  {"2", true},   {"0x1", true}, {"$1", true},
                 {"0", false}, {"ja", false}, {"", false},   {"-1", true}};
    for (const auto& c : cases) {
        tmp.write("Dump/All_dat.ini", std::string("[Programma]\r\nTaalscherm=") + c.value + "\r\n");
        EXPECT_EQ(settings::readLanguageAnswered(folders), c.answered) << c.value;
    }
}

TEST_F(SettingsFile, AWriteWithoutTheDumpFolderRaisesTheWriteError) {
    Folders missing{tmp.path() + "/nowhere/"};
    try {
        settings::writeLanguage(missing, "Nederlands");
        FAIL() << "the write succeeded without its folder";
    } catch (const platform::AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + platform::shownPath(missing.settingsFile()));
    }
}

} // namespace
