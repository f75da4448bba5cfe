// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormJournal.h"

#include <gtest/gtest.h>

using storm::StormJournal;

namespace {

StormJournal sample() {
    StormJournal j;
    j.stage = StormJournal::Stage::Replacing;
    j.record.simulatorFolder = "C:\\Program Files\\Microsoft Games\\Train Simulator";
    j.simulatorLocation = "/home/player/.wine/drive_c/Program Files/Microsoft Games/Train Simulator";
    j.record.route = "Europe 1 = Alps; v2";
    j.record.rainEnvNames = {"Heavy_Rain.env", "rain_thunder.env"};
    j.record.rainEnvByPattern = true;
    j.rainEnvExisted = {true, false};
    j.rainSoundExisted = {true, false};
    j.record.virtualStoreFolder =
        "C:\\Users\\player\\AppData\\Local\\VirtualStore\\Program Files\\Train Simulator";
    j.rainEnvCopyExisted = {false, true};
    j.rainSoundCopyExisted = {true, false};
    j.addedTextures = {"ZKT_snowsky.ace", "ZKT_Bliksem.ace"};
    j.addedSounds = {"ZKT_Onweer1.wav", "ZKT_Onweer9.wav"};
    return j;
}

std::string replace(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(StormJournalTest, ReadsBackWhatItWrote) {
    const StormJournal j = sample();
    const auto text = j.toText();
    ASSERT_TRUE(text);
    EXPECT_EQ(StormJournal::parse(*text), j);

    StormJournal first = j;
    first.stage = StormJournal::Stage::BackingUp;
    first.record.rainEnvNames = {"rain.env"};
    first.record.rainEnvByPattern = false;
    first.rainEnvExisted = {true};
    first.rainEnvCopyExisted = {false};
    first.record.routeInVirtualStore = true;
    first.addedTextures.clear();
    first.addedSounds.clear();
    EXPECT_EQ(StormJournal::parse(*first.toText()), first);
}

TEST(StormJournalTest, KeepsValuesExactlyAndToleratesLineEndings) {
    StormJournal j = sample();
    j.record.simulatorFolder = "  D:\\MSTS \\ ";
    std::string text = *j.toText();
    auto parsed = StormJournal::parse(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->record.simulatorFolder, "  D:\\MSTS \\ ");
    std::string lfOnly;
    for (char c : text)
        if (c != '\r') lfOnly += c;
    EXPECT_EQ(StormJournal::parse(lfOnly), j);
}

TEST(StormJournalTest, RefusesNamesThatCannotStandOnOneLine) {
    StormJournal j = sample();
    j.record.rainEnvNames[1] = "odd\nrain.env";
    EXPECT_FALSE(j.toText());
    j = sample();
    j.record.simulatorFolder = "C:\\a\r\nb";
    EXPECT_FALSE(j.toText());
    j = sample();
    j.simulatorLocation = "/a\nb";
    EXPECT_FALSE(j.toText());
}

TEST(StormJournalTest, AlwaysRecordsWhereTheSimulatorWasFound) {
    StormJournal j = sample();
    EXPECT_NE(j.toText()->find("SimulatorLocation=/home/player/.wine/drive_c/Program Files/"),
              std::string::npos);
    j.simulatorLocation.clear();
    EXPECT_FALSE(j.toText());
}

TEST(StormJournalTest, JournalsOfFormerFormatsAreStillRead) {
    StormJournal j = sample();
    j.record.virtualStoreFolder.clear();
    j.rainEnvCopyExisted = {false, false};
    j.rainSoundCopyExisted = {false, false};
    std::string text = replace(*j.toText(), "VirtualStore=\r\nRouteInVirtualStore=0\r\n", "");
    text = replace(text, "[VirtualStore]\r\n", "");
    EXPECT_EQ(StormJournal::parse(replace(text, "Format=3", "Format=2")), j);

    // Without the location, a storm leads where its folder text leads.
    text = replace(replace(text, "Format=3", "Format=1"), "SimulatorLocation=" + j.simulatorLocation + "\r\n",
                   "");
    const auto parsed = StormJournal::parse(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->simulatorLocation, "");
    EXPECT_EQ(storm::installedSimulatorFolder(*parsed), j.record.simulatorFolder);
    EXPECT_EQ(storm::installedSimulatorFolder(j), j.simulatorLocation);
}

struct Damage {
    const char* what;
    std::string from;
    std::string to;
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.what;
}

class DamagedJournalTest : public testing::TestWithParam<Damage> {};

TEST_P(DamagedJournalTest, IsNeverActedOn) {
    const std::string text = *sample().toText();
    EXPECT_FALSE(StormJournal::parse(replace(text, GetParam().from, GetParam().to))) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedJournalTest,
    testing::Values(
        Damage{"cut short", "[End]\r\n", ""},
        Damage{"cut in the middle",
               "Texture=ZKT_Bliksem.ace\r\nSound=ZKT_Onweer1.wav\r\nSound=ZKT_Onweer9.wav\r\n[End]\r\n",
               "Textu"},
        Damage{"later format", "Format=3", "Format=4"},
        Damage{"former format with a location", "Format=3", "Format=1"},
        Damage{"former format with a VirtualStore", "Format=3", "Format=2"},
        Damage{"copy of a file never replaced", "[VirtualStore]\r\n",
               "[VirtualStore]\r\nRainEnv=other_rain.env\r\n"},
        Damage{"copy listed twice", "RainSound=rain_in.sms\r\n",
               "RainSound=rain_in.sms\r\nRainSound=rain_in.sms\r\n"},
        Damage{"copies without a VirtualStore",
               "VirtualStore=C:\\Users\\player\\AppData\\Local\\VirtualStore\\Program Files\\Train "
               "Simulator\r\n",
               "VirtualStore=\r\n"},
        Damage{"copies of a route that lies in the VirtualStore", "RouteInVirtualStore=0",
               "RouteInVirtualStore=1"},
        Damage{"route flag not a flag", "RouteInVirtualStore=0", "RouteInVirtualStore=no"},
        Damage{"no location",
               "SimulatorLocation=/home/player/.wine/drive_c/Program Files/Microsoft Games/Train "
               "Simulator\r\n",
               ""},
        Damage{"empty location",
               "SimulatorLocation=/home/player/.wine/drive_c/Program Files/Microsoft Games/Train "
               "Simulator",
               "SimulatorLocation="},
        Damage{"unknown stage", "Stage=Replacing", "Stage=Done"},
        Damage{"route leaving Routes", "Route=Europe 1 = Alps; v2", "Route=..\\..\\Windows"},
        Damage{"no route", "Route=Europe 1 = Alps; v2\r\n", ""},
        Damage{"key given twice", "Format=3\r\n", "Format=3\r\nFormat=3\r\n"},
        Damage{"unknown key", "Format=3\r\n", "Format=3\r\nColour=red\r\n"},
        Damage{"unknown section", "[Added]", "[Removed]"},
        Damage{"environment name with a folder", "RainEnv=0|rain_thunder.env", "RainEnv=0|..\\rain.env"},
        Damage{"not a rain environment name", "RainEnv=0|rain_thunder.env", "RainEnv=0|train.exe"},
        Damage{"existed flag not a flag", "RainEnv=0|rain_thunder.env", "RainEnv=yes|rain_thunder.env"},
        Damage{"two names without the pattern", "RainEnvByPattern=1", "RainEnvByPattern=0"},
        Damage{"sound sources swapped", "RainSound=1|rain_in.sms", "RainSound=1|rain_ex.sms"},
        Damage{"added file not the storm's", "Texture=ZKT_Bliksem.ace", "Texture=sky.ace"},
        Damage{"added sound out of range", "Sound=ZKT_Onweer9.wav", "Sound=ZKT_Onweer10.wav"},
        Damage{"added file twice", "Sound=ZKT_Onweer9.wav", "Sound=ZKT_Onweer1.wav"},
        Damage{"line without a value", "[Added]\r\n", "[Added]\r\ngarbage\r\n"},
        Damage{"text after the end", "[End]\r\n", "[End]\r\nRoute=x\r\n"},
        // Found by fuzzing: read, it could never be written back.
        Damage{"carriage return inside a value", "SimulatorFolder=C:\\Program Files",
               "SimulatorFolder=C:\\Program\rFiles"}));

TEST(StormJournalTest, EmptyOrForeignTextIsNoJournal) {
    EXPECT_FALSE(StormJournal::parse(""));
    EXPECT_FALSE(StormJournal::parse("[Programma]\r\nTaalkeuze=Nederlands\r\n"));
    EXPECT_FALSE(StormJournal::parse(std::string("\0\0\0\0", 4)));
}

TEST(StormJournalTest, LivesInTheDataFolder) {
    EXPECT_EQ(storm::journalPath("C:\\Brontara\\"), "C:\\Brontara\\Dump\\storm_journal.ini");
}

} // namespace
