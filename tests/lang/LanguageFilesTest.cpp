// SPDX-License-Identifier: GPL-3.0-or-later
// Reading language files: which names can name a file, the identity's two
// tests, and the listing of the languages folder.
#include "core/language/LanguageFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using testing_support::TempDir;

struct NameCase {
    std::string name;
    bool namesAFile;
};

class LanguageNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LanguageNameTest, NamesAFileOnlyInsideTheLanguagesFolder) {
    EXPECT_EQ(lang::isFileLanguageName(GetParam().name), GetParam().namesAFile) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, LanguageNameTest,
                         ::testing::Values(NameCase{"English", true},
                                           NameCase{"Fran\xC3\xA7"
                                                    "ais",
                                                    true},
                                           NameCase{"Frans.oud", true}, NameCase{"a..b", true},
                                           NameCase{"..", true}, // "...lng": a name, not a way out
                                           NameCase{" spatie ", true}, NameCase{"", false},
                                           NameCase{"..\\Evil", false}, NameCase{"../Evil", false},
                                           NameCase{"Sub\\Evil", false}, NameCase{"/etc/passwd", false},
                                           NameCase{"C:Evil", false}, NameCase{"Evil:stream", false},
                                           NameCase{"*", false}, NameCase{"Eng?ish", false},
                                           NameCase{"Tab\there", false},
                                           NameCase{std::string("Nul\0x", 5), false}));

TEST(LanguageFile, NameThatCannotNameAFileReadsNothing) {
    TempDir dir;
    dir.write("Dump/Evil.lng", "[File info]\nLanguage=Evil\nProgram=Brontara\n");
    dir.mkdir("Dump/Languages");
    const Folders folders{dir.path() + "/"};
    EXPECT_EQ(lang::languageFile(folders, "..\\Evil"), "");
    EXPECT_FALSE(lang::fileExists(folders, "..\\Evil"));
    EXPECT_FALSE(lang::fileExists(folders, "../Evil"));
    EXPECT_EQ(lang::readText(folders, "..\\Evil", "File info", "Language"), "");
    const lang::Identity identity = lang::readIdentity(folders, "../Evil");
    EXPECT_EQ(identity.language, "");
    EXPECT_EQ(identity.program, "");
}

TEST(LanguageFile, ReadsIdentityAndExistenceOfAFile) {
    TempDir dir;
    dir.write("Dump/Languages/English.lng", "[FILE INFO]\nlanguage = English \nPROGRAM=Brontara\n");
    dir.mkdir("Dump/Languages/Map.lng");
    const Folders folders{dir.path() + "/"};
    EXPECT_EQ(lang::languageFile(folders, "English"), dir.path() + "/Dump\\Languages\\English.lng");
    EXPECT_TRUE(lang::fileExists(folders, "English"));
    EXPECT_TRUE(lang::fileExists(folders, "ENGLISH"));
    EXPECT_FALSE(lang::fileExists(folders, "Map")) << "a folder is no language file";
    EXPECT_FALSE(lang::fileExists(folders, "Engl"));
    const lang::Identity identity = lang::readIdentity(folders, "english");
    EXPECT_EQ(identity.language, "English");
    EXPECT_EQ(identity.program, "Brontara");
}

struct IdentityCase {
    std::string value;
    bool fits;
};

class IdentityLanguageTest : public ::testing::TestWithParam<IdentityCase> {};
TEST_P(IdentityLanguageTest, Fits) {
    EXPECT_EQ(lang::languageFits(GetParam().value), GetParam().fits);
}
INSTANTIATE_TEST_SUITE_P(Values, IdentityLanguageTest,
                         ::testing::Values(IdentityCase{"English", true}, IdentityCase{"onbekend", true},
                                           IdentityCase{"Onbekend", false}, IdentityCase{"Onbekend ", true},
                                           IdentityCase{"", false}, IdentityCase{" ", true},
                                           IdentityCase{"\x1F"
                                                        "English",
                                                        false},
                                           IdentityCase{"\x7F", true},
                                           IdentityCase{"\xC3\xA9"
                                                        "t\xC3\xA9",
                                                        true},
                                           IdentityCase{"!", true}));

class IdentityProgramTest : public ::testing::TestWithParam<IdentityCase> {};
TEST_P(IdentityProgramTest, Fits) {
    EXPECT_EQ(lang::programFits(GetParam().value), GetParam().fits);
}
INSTANTIATE_TEST_SUITE_P(Values, IdentityProgramTest,
                         ::testing::Values(IdentityCase{"Brontara", true}, IdentityCase{"brontara", false},
                                           IdentityCase{"BRONTARA", false}, IdentityCase{"Brontara ", false},
                                           IdentityCase{"", false}, IdentityCase{"Nevora", false}));

TEST(LanguageList, NamesFromTheListingWithoutTheirLastExtension) {
    TempDir dir;
    for (const char* f :
         {"Zweeds.lng", "deens.lng", "Frans.oud.lng", ".Verborgen.lng", "Notities.txt", "Oud.lng~"})
        dir.write(std::string("L/") + f, "x");
    dir.mkdir("L/Map.lng");
#ifdef _WIN32
    // Windows matches "*.lng" against the short name too: "Oud.lng~" is "OUD~1.LNG".
    EXPECT_EQ(lang::listLanguages(dir.path() + "/L"),
              (std::vector<std::string>{".Verborgen", "deens", "Frans.oud", "Map", "Oud", "Zweeds"}));
#else
    EXPECT_EQ(lang::listLanguages(dir.path() + "/L"),
              (std::vector<std::string>{".Verborgen", "deens", "Frans.oud", "Map", "Zweeds"}));
#endif
    EXPECT_TRUE(lang::listLanguages(dir.path() + "/Nergens").empty());
}

TEST(LanguageList, NameWithoutExtension) {
    EXPECT_EQ(lang::nameWithoutExtension("English.lng"), "English");
    EXPECT_EQ(lang::nameWithoutExtension("a.b.lng"), "a.b");
    EXPECT_EQ(lang::nameWithoutExtension(".lng"), "");
    EXPECT_EQ(lang::nameWithoutExtension("Geen"), "Geen");
}

} // namespace
