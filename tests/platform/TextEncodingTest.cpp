// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace platform::text;

TEST(TextEncoding, RecognisesWellFormedUtf8Only) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"plain ASCII\r\n", true},
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC", true},      // €
        {"\xF0\x9F\x8C\xA9", true},  // a four-byte character
        {"\xEF\xBB\xBF[S]", true},   // a byte-order mark is valid UTF-8
        {"caf\xE9", false},          // Windows-1252 é
        {"\xC3", false},             // cut short
        {"\xC0\xAF", false},         // overlong "/"
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\x80", false},             // a lone continuation byte
        {"\xFF\xFE", false},
        {std::string("a\0b", 3), true},
    };
    for (const auto& [bytes, valid] : cases)
        EXPECT_EQ(isValidUtf8(bytes), valid) << bytes;
}

TEST(TextEncoding, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(TextEncoding, Windows1252Characters) {
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xE9", "caf\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"}, // €
        {"\x9F", "\xC5\xB8"},     // Ÿ
        {"\x81", "\xC2\x81"},     // undefined: kept as the control character
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
    };
    for (const auto& [cp1252, utf8] : cases) {
        EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
        EXPECT_EQ(utf8ToCp1252(utf8), cp1252);
    }
    EXPECT_FALSE(utf8ToCp1252("\xCE\xA9").has_value()); // Ω has no byte
    EXPECT_FALSE(utf8ToCp1252("caf\xE9").has_value());  // not UTF-8
}

TEST(TextEncoding, Utf16LittleEndian) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("[\0S\0]\0", 6), "[S]"},
        {std::string("\xE9\0", 2), "\xC3\xA9"},
        {std::string("\xAC\x20", 2), "\xE2\x82\xAC"},
        {std::string("\x3C\xD8\x29\xDF", 4), "\xF0\x9F\x8C\xA9"},
    };
    for (const auto& [utf16, utf8] : cases) {
        EXPECT_EQ(utf16leToUtf8(utf16), utf8);
        EXPECT_EQ(utf8ToUtf16le(utf8), utf16);
    }
    EXPECT_EQ(utf16leToUtf8(std::string("\x3C\xD8"
                                        "a\0",
                                        4)),
              "\xEF\xBF\xBD"
              "a");                                                    // unpaired surrogate
    EXPECT_EQ(utf16leToUtf8(std::string("a\0b", 3)), "a\xEF\xBF\xBD"); // odd last byte
}

TEST(TextEncoding, PrefixNeverEndsInsideACharacter) {
    const std::string text = "ab\xC3\xA9\xE2\x82\xAC"; // a b é €: 2 + 2 + 3 bytes
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 4}, {7, 7}, {100, 7},
    };
    for (const auto& [maxBytes, length] : cases)
        EXPECT_EQ(utf8PrefixLength(text, maxBytes), length) << maxBytes;
}

} // namespace
