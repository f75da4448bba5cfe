// SPDX-License-Identifier: GPL-3.0-or-later
// The about dialog's texts for a language, read from real files.
#include "core/help/AboutTexts.h"
#include "core/program/Folders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::TempDir;

class AboutTextsFor : public ::testing::Test {
  protected:
    void SetUp() override { tmp.mkdir("prog/Dump/Languages"); }
    Folders folders() const { return Folders{tmp / "prog/"}; }
    void language(const std::string& name, const std::string& content) const {
        tmp.write("prog/Dump/Languages/" + name + ".lng", content);
    }
    TempDir tmp;
};

TEST_F(AboutTextsFor, DutchIsBuiltIn) {
    const AboutTexts expected{
        "Info...", "Product: Brontara", "Versie:    1.0", "Web:", "E-Mail:", "Stuur een E-mail", "OK"};
    EXPECT_EQ(aboutTextsFor(folders(), "Nederlands"), expected);
}

TEST_F(AboutTextsFor, DutchReadsNoFileEvenWhenOneIsThere) {
    language("Nederlands", "[About Dlg]\nTitel=Uit een bestand\nproduct=Iets:\n");
    EXPECT_EQ(aboutTextsFor(folders(), "Nederlands").caption, "Info...");
    EXPECT_EQ(aboutTextsFor(folders(), "Nederlands").productName, "Product: Brontara");
}

TEST_F(AboutTextsFor, ALanguageFileGivesTheLeadingWordsOfProductAndVersion) {
    language("English", "[File info]\nLanguage=English\nProgram=Brontara\n"
                        "[About Dlg]\nTitel=About...\nproduct=Product:\nVersie=Version:\nWeb=Web:\n"
                        "Mail=E-mail:\nmail_adres=Send an e-mail\nbutton=Close\n");
    const AboutTexts expected{
        "About...", "Product: Brontara", "Version:  1.0", "Web:", "E-mail:", "Send an e-mail", "Close"};
    EXPECT_EQ(aboutTextsFor(folders(), "English"), expected);
}

TEST_F(AboutTextsFor, TheFileVersionLineHasTwoBlanksWhereTheBuiltInHasFour) {
    language("Vlaams", "[About Dlg]\nVersie=Versie:\nproduct=Product:\n");
    const AboutTexts texts = aboutTextsFor(folders(), "Vlaams");
    EXPECT_EQ(texts.version, "Versie:  1.0");
    EXPECT_EQ(texts.productName, "Product: Brontara");
}

TEST_F(AboutTextsFor, AMissingFileLeavesOnlyTheFixedNameAndNumber) {
    const AboutTexts expected{"", " Brontara", "  1.0", "", "", "", ""};
    EXPECT_EQ(aboutTextsFor(folders(), "Klingon"), expected);
}

TEST_F(AboutTextsFor, AFileWithoutTheSectionIsLikeAMissingFile) {
    language("Dansk", "[File info]\nLanguage=Dansk\nProgram=Brontara\n[Menu]\ninfo1=&Om\n");
    const AboutTexts expected{"", " Brontara", "  1.0", "", "", "", ""};
    EXPECT_EQ(aboutTextsFor(folders(), "Dansk"), expected);
}

TEST_F(AboutTextsFor, SectionAndKeysMatchInAnyLetterCase) {
    language("Deutsch", "[about dlg]\ntitel=Info...\nPRODUCT=Produkt:\nversie=Version:\nbutton=\"OK\"\n");
    const AboutTexts texts = aboutTextsFor(folders(), "Deutsch");
    EXPECT_EQ(texts.caption, "Info...");
    EXPECT_EQ(texts.productName, "Produkt: Brontara");
    EXPECT_EQ(texts.version, "Version:  1.0");
    EXPECT_EQ(texts.okButton, "OK"); // one pair of quotes goes
}

TEST_F(AboutTextsFor, ALanguageNameIsMatchedExactlyAgainstTheBuiltInOne) {
    // "nederlands" is not the built-in language: it is a file, here a missing one.
    EXPECT_EQ(aboutTextsFor(folders(), "nederlands").caption, "");
    EXPECT_EQ(aboutTextsFor(folders(), "nederlands").productName, " Brontara");
}

TEST_F(AboutTextsFor, EveryShippedLanguageFillsAllSevenTexts) {
    const std::string source = BRONTARA_TEST_SOURCE_DIR;
    const std::filesystem::path shipped = std::filesystem::path(source) / "data/Dump/Languages";
    if (!std::filesystem::is_directory(shipped)) GTEST_SKIP() << "no shipped languages folder " << shipped;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        if (entry.path().extension() != ".lng") continue;
        ++count;
        std::filesystem::copy_file(entry.path(), std::filesystem::path(tmp / "prog/Dump/Languages") /
                                                     entry.path().filename());
        const std::string name = entry.path().stem().string();
        const AboutTexts texts = aboutTextsFor(folders(), name);
        SCOPED_TRACE(name);
        for (const std::string* text :
             {&texts.caption, &texts.web, &texts.mail, &texts.mailAddress, &texts.okButton})
            EXPECT_FALSE(text->empty());
        // The file holds only the leading words: the name and number come from the program.
        EXPECT_TRUE(texts.productName.ends_with(" Brontara")) << texts.productName;
        EXPECT_TRUE(texts.version.ends_with(":  1.0")) << texts.version;
        EXPECT_EQ(texts.productName.find("Brontara Brontara"), std::string::npos);
    }
    if (count == 0) GTEST_SKIP() << "no shipped language files in " << shipped;
}

} // namespace
