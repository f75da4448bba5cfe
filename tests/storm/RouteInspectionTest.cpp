// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/RouteInspection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using storm::findRainEnvFiles;
using testing_support::TempDir;

namespace {

struct RouteNameCase {
    std::string route;
    bool accepted;
};

void PrintTo(const RouteNameCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.route);
}

class RouteNameTest : public testing::TestWithParam<RouteNameCase> {};

TEST_P(RouteNameTest, OnlyNamesThatStayInsideRoutesAreAccepted) {
    EXPECT_EQ(storm::isAcceptableRouteName(GetParam().route), GetParam().accepted) << GetParam().route;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RouteNameTest,
    testing::Values(RouteNameCase{"Zonnedal", true}, RouteNameCase{"Sounds", true},
                    RouteNameCase{"Europe 1 (v2.1) - Innsbruck", true}, RouteNameCase{"..hidden", true},
                    RouteNameCase{"a..b", true}, RouteNameCase{"Zo\xc3\xabnedal", true},
                    RouteNameCase{"", false}, RouteNameCase{".", false}, RouteNameCase{"..", false},
                    RouteNameCase{"...", false}, RouteNameCase{"..\\..\\Windows", false},
                    RouteNameCase{"a\\b", false}, RouteNameCase{"a/b", false}, RouteNameCase{"/etc", false},
                    RouteNameCase{"C:x", false}, RouteNameCase{"*", false}, RouteNameCase{"Zonne?al", false},
                    RouteNameCase{"a\"b", false}, RouteNameCase{"a<b", false}, RouteNameCase{"a|b", false},
                    RouteNameCase{std::string("a\nb"), false}, RouteNameCase{std::string("a\0b", 3), false}));

class RainEnvSearchTest : public testing::Test {
  protected:
    TempDir dir;
    std::string envfiles() const { return dir.path() + "/Envfiles/"; }
    void file(const std::string& name) const { dir.write("Envfiles/" + name, name); }
};

TEST_F(RainEnvSearchTest, ExactNameWinsAndNothingElseIsLookedFor) {
    file("rain.env");
    file("rain2.env");
    file("Heavy_Rain.env");
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names, (std::array<std::string, 4>{"rain.env", "", "", ""}));
    EXPECT_FALSE(found.byPattern);
}

TEST_F(RainEnvSearchTest, ExactNameIsReportedAsSpelledOnDisk) {
    file("RAIN.ENV");
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names[0], "RAIN.ENV");
    EXPECT_FALSE(found.byPattern);
}

TEST_F(RainEnvSearchTest, PatternMatchesComeInSearchOrderAndSetTheFlag) {
    file("rain_thunder.env");
    file("Heavy_Rain.env");
    file("summer.env");
    file("rain.txt");
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names, (std::array<std::string, 4>{"Heavy_Rain.env", "rain_thunder.env", "", ""}));
    EXPECT_TRUE(found.byPattern);
}

TEST_F(RainEnvSearchTest, OnePatternMatchStillSetsTheFlag) {
    file("light_rain.env");
    EXPECT_TRUE(findRainEnvFiles(envfiles()).byPattern);
}

TEST_F(RainEnvSearchTest, SixMatchesGiveTheFirstFour) {
    for (const char* n : {"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env", "e_rain.env", "f_rain.env"})
        file(n);
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names,
              (std::array<std::string, 4>{"a_rain.env", "b_rain.env", "c_rain.env", "d_rain.env"}));
}

TEST_F(RainEnvSearchTest, HiddenAndReadOnlyFilesCountFoldersDoNot) {
    dir.mkdir("Envfiles/rain.env");
    dir.mkdir("Envfiles/a_rain.env");
    file(".rain_hidden.env");
    file("b_rain.env");
    std::filesystem::permissions(dir / "Envfiles/b_rain.env", std::filesystem::perms::owner_read);
    const auto found = findRainEnvFiles(envfiles());
    EXPECT_EQ(found.names, (std::array<std::string, 4>{".rain_hidden.env", "b_rain.env", "", ""}));
    EXPECT_TRUE(found.byPattern);
}

TEST_F(RainEnvSearchTest, NamesDifferingOnlyInCaseCountOnce) {
    file("Heavy_Rain.env");
    file("heavy_rain.env");
    file("rain_thunder.env");
    const auto found = findRainEnvFiles(envfiles());
    ASSERT_FALSE(found.names[0].empty());
    EXPECT_TRUE(found.names[0] == "Heavy_Rain.env" || found.names[0] == "heavy_rain.env");
    EXPECT_EQ(found.names[1], "rain_thunder.env");
    EXPECT_EQ(found.names[2], "");
}

#ifndef _WIN32 // Windows keeps no two names that differ in letter case only
TEST_F(RainEnvSearchTest, TheExactSpellingIsPreferredAmongCaseTwins) {
    file("RAIN.env");
    file("rain.env");
    EXPECT_EQ(findRainEnvFiles(envfiles()).names[0], "rain.env");
}
#endif

TEST_F(RainEnvSearchTest, NoRainFileFindsNothing) {
    file("summer.env");
    file("rainy.txt");
    EXPECT_FALSE(findRainEnvFiles(envfiles()).found());
    EXPECT_FALSE(findRainEnvFiles(dir.path() + "/Missing/").found());
}

TEST(EnvfilesEntryTest, AFolderOrPlainFileCountsAHiddenOneDoesNot) {
    TempDir dir;
    dir.mkdir("Routes/A/Envfiles");
    dir.write("Routes/B/Envfiles", "not a folder");
    dir.mkdir("Routes/C/.Envfiles");
    dir.mkdir("Routes/D/envfiles");
    EXPECT_TRUE(storm::envfilesEntryExists(dir.path() + "\\Routes\\A\\Envfiles"));
    EXPECT_TRUE(storm::envfilesEntryExists(dir.path() + "\\Routes\\B\\Envfiles"));
    EXPECT_FALSE(storm::envfilesEntryExists(dir.path() + "\\Routes\\C\\.Envfiles"));
    EXPECT_TRUE(storm::envfilesEntryExists(dir.path() + "\\Routes\\D\\Envfiles"));
    EXPECT_FALSE(storm::envfilesEntryExists(dir.path() + "\\Routes\\Missing\\Envfiles"));
}

} // namespace

#ifndef _WIN32
namespace {

// Linux lets a folder have a name Windows cannot hold; the simulator could never use such a route.
TEST(RouteListTest, LeavesOutFoldersWhoseNamesWindowsCannotHold) {
    TempDir dir;
    for (const char* name : {"Kust\"lijn", "a<b", "a>b", "wat?", "x:y", "ster*", "pi|jp", "back\\slash",
                             "punt.", "spatie ", "CON", "lpt1.route", "Heuvelland", "Zon en regen"})
        dir.mkdir(std::string("Routes/") + name);
    EXPECT_EQ(storm::listRoutes(dir.path() + "\\Routes"),
              (std::vector<std::string>{"Heuvelland", "Zon en regen"}));
}

} // namespace
#endif
