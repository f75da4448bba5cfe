// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"
#include "platform/Path.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using platform::fileNameLess;
using platform::sameFileName;
using platform::wildcardMatch;

struct SameCase {
    const char* a;
    const char* b;
    bool same;
};

TEST(FileNames, SameFileNameIgnoresAsciiCaseOnly) {
    const SameCase cases[] = {
        {"back_up", "Back_up", true},
        {"BACK_UP", "back_up", true},
        {"SOUND", "Sound", true},
        {"rain.env", "rain.env ", false},
        {"rain", "rain.env", false},
        {"", "", true},
        {"_", "\x7f", false},
        {"@", "`", false},               // 0x40 and 0x60 differ by the case bit but are no letters
        {"[", "{", false},               // likewise 0x5B and 0x7B
        {"\xC3\x89", "\xC3\xA9", false}, // É and é: only ASCII letters fold
    };
    for (const auto& c : cases)
        EXPECT_EQ(sameFileName(c.a, c.b), c.same) << '"' << c.a << "\" vs \"" << c.b << '"';
}

TEST(FileNames, NtfsOrderSortsUpperCasedWithByteOrderForTies) {
    std::vector<std::string> names = {"b",        "a_b",        "ab", "B", "A",     "a",   "Zonnedal",
                                      "kustlijn", "Heuvelland", "~x", "1", "a.env", "a-b", "\xC3\xA9"};
    std::sort(names.begin(), names.end(), [](const auto& x, const auto& y) { return fileNameLess(x, y); });
    const std::vector<std::string> expected = {"1",        "A",        "a",  "a-b",     "a.env",
                                               "ab",       "a_b",      "B",  "b",       "Heuvelland",
                                               "kustlijn", "Zonnedal", "~x", "\xC3\xA9"};
    EXPECT_EQ(names, expected);
}

TEST(FileNames, NtfsOrderIsAStrictWeakOrder) {
    const char* names[] = {"a", "A", "ab", "AB", "a_", "", "b"};
    for (const char* x : names) {
        EXPECT_FALSE(fileNameLess(x, x)) << x;
        for (const char* y : names) {
            if (std::string(x) != y) {
                EXPECT_NE(fileNameLess(x, y), fileNameLess(y, x)) << x << " / " << y;
            }
        }
    }
}

struct MatchCase {
    const char* pattern;
    const char* name;
    bool matches;
};

TEST(FileNames, WildcardsMatchAsTheDirectorySearchDoes) {
    const MatchCase cases[] = {
        {"*.*", "rain.env", true},
        {"*.*", "Envfiles", true}, // no dot, still found
        {"*.*", ".", true},
        {"*", "anything.at.all", true},
        {"*", "", true},
        {"*rain*.env", "rain.env", true},
        {"*rain*.env", "Heavy_Rain.env", true},
        {"*rain*.env", "RAIN_THUNDER.ENV", true},
        {"*rain*.env", "winter.env", false},
        {"*rain*.env", "rain.env.bak", false},
        {"*rain*.env", "rainenv", false},
        {"*.lng", "English.lng", true},
        {"*.lng", "English.LNG", true},
        {"*.lng", "English.lngx", false},
        {"*.lng", ".lng", true},
        {"rain.env", "RAIN.ENV", true},
        {"rain.env", "rain.env2", false},
        {"?ain.env", "rain.env", true},
        {"?ain.env", "ain.env", false},
        {"r?in", "r\xC3\xA9in", true}, // "?" takes the whole UTF-8 sequence of é
        {"r?in", "r\xC3\xA9n", false},
        {"r?n", "r\xC3\xA9n", true},
        {"r?n", "r\xE9n", true}, // not UTF-8: one byte is one character
        {"r??n", "r\xC3\xA9n", false},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"readme.*", "readme", true}, // ".*" may match nothing at the end
        {"readme.*", "readme.txt", true},
        {"readme.*", "readmetxt", false},
        {"a*.*", "abc", true},
        {"", "", true},
        {"", "a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " on " << c.name;
}

TEST(FileNames, HasWildcards) {
    EXPECT_TRUE(platform::hasWildcards("*.lng"));
    EXPECT_TRUE(platform::hasWildcards("a?"));
    EXPECT_FALSE(platform::hasWildcards("rain.env"));
    EXPECT_FALSE(platform::hasWildcards(""));
}

} // namespace
