// SPDX-License-Identifier: GPL-3.0-or-later
// The language files that ship with the program: complete, identified as ours,
// stored in Windows-1252, and read back exactly as they were written.
#include "ShippedLanguages.h"

#include "core/language/LanguageFiles.h"
#include "core/program/MessageFormat.h"
#include "platform/Ini.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cctype>

#include <gtest/gtest.h>

using namespace lang_test;

namespace lang_test {
void PrintTo(const ShippedFile& file, std::ostream* os) {
    *os << file.language;
}
} // namespace lang_test

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(ShippedLanguages, TheThreeLanguagesShip) {
    std::vector<std::string> names;
    for (const ShippedFile& f : shippedLanguageFiles())
        names.push_back(f.language);
    EXPECT_EQ(names, (std::vector<std::string>{"Deutsch", "English",
                                               "Fran\xC3\xA7"
                                               "ais"}));
}

class ShippedLanguageTest : public ::testing::TestWithParam<ShippedFile> {
  protected:
    std::string bytes = testing_support::readFile(GetParam().path);
    std::string read(const Key& k) const {
        return platform::ini::readString(GetParam().path, k.section, k.key, "");
    }
};

TEST_P(ShippedLanguageTest, HoldsEveryKeyTheProgramReads) {
    for (const Key& k : keysTheProgramReads())
        EXPECT_NE(read(k), "") << "[" << k.section << "] " << k.key;
}

TEST_P(ShippedLanguageTest, IdentifiesItselfAsABrontaraLanguage) {
    const std::string language = read({"File info", "Language"});
    EXPECT_EQ(language, GetParam().language);
    EXPECT_TRUE(lang::languageFits(language));
    EXPECT_EQ(read({"File info", "Program"}), "Brontara");
}

TEST_P(ShippedLanguageTest, MessagesFormatWithoutError) {
    for (const Key& k : templateKeys()) {
        const std::string text = read(k);
        EXPECT_NO_THROW(formatWithEmptyArgument(text)) << k.key << ": " << text;
        EXPECT_EQ(formatWithEmptyArgument(text), text) << k.key << " holds a format directive";
    }
}

TEST_P(ShippedLanguageTest, IsStoredInWindows1252) {
    std::string decoded;
    ASSERT_TRUE(decodeWindows1252(bytes, decoded)) << "a byte that Windows-1252 does not define";
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_NE(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << "a byte-order mark spoils the first line on Windows";
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        EXPECT_FALSE(isValidUtf8(bytes)) << "stored as UTF-8";
    }
    // Windows line ends throughout.
    for (size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a line without CR at " << i;
}

TEST_P(ShippedLanguageTest, ReadsBackAsWritten) {
    const auto raw = rawValues(bytes);
    for (const Key& k : keysTheProgramReads()) {
        const auto it = raw.find({lower(k.section), lower(k.key)});
        ASSERT_NE(it, raw.end()) << "[" << k.section << "] " << k.key;
        std::string written;
        ASSERT_TRUE(decodeWindows1252(it->second, written));
        // Nothing that the reader would trim, unquote or cut.
        ASSERT_LT(it->second.size(), 1024u) << k.key;
        EXPECT_EQ(read(k), written) << "[" << k.section << "] " << k.key;
    }
}

TEST_P(ShippedLanguageTest, HoldsNoKeyTheProgramDoesNotRead) {
    auto raw = rawValues(bytes);
    for (const Key& k : keysTheProgramReads())
        raw.erase({lower(k.section), lower(k.key)});
    for (const auto& [key, value] : raw)
        ADD_FAILURE() << "[" << key.first << "] " << key.second << " is read by nothing";
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguageTest, ::testing::ValuesIn(shippedLanguageFiles()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param.language)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
