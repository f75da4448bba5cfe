// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Ini.h"
#include "platform/IniText.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using platform::ini::detail::profileInteger;
using testing_support::TempDir;

TEST(IniInteger, FollowsTheProfileRule) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"1", 1},
        {"2", 2},
        {"-1", -1},
        {"+7", 7},
        {"-0", 0},
        {"007", 7},
        {"0x1", 1},
        {"0X1f", 31},
        {"0x0", 0},
        {"0xFFFFFFFF", -1}, // 32 bits, as a signed integer
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt}, // two characters: decimal, and no number
        {"0xg", std::nullopt},
        {"-0x1", std::nullopt}, // the hexadecimal prefix only at the very start
        {"$1", 1},
        {"$ff", 255},
        {"-$1", -1},
        {"$", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"ja", std::nullopt},
        {"true", std::nullopt},
        {"1.0", std::nullopt},
        {"1 ", std::nullopt},
        {" 1", std::nullopt},
        {"1a", std::nullopt},
        {"x1", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(profileInteger(text), value) << '"' << text << '"';
}

TEST(IniBool, ReadsTheStoredValue) {
    struct Case {
        std::string line; // the Taalscherm line of [Programma]; empty: no such line
        bool whenFalse;   // read with default false
        bool whenTrue;    // read with default true
    };
    const Case cases[] = {
        {"Taalscherm=1", true, true},
        {"Taalscherm=0", false, false},
        {"Taalscherm=2", true, true},
        {"Taalscherm=0x1", true, true},
        {"Taalscherm=$1", true, true},
        {"Taalscherm= 1 ", true, true},   // blanks around the value are trimmed first
        {"Taalscherm=\"1\"", true, true}, // and quotes removed
        {"Taalscherm=0x", false, true},
        {"Taalscherm=ja", false, true},
        {"Taalscherm=", false, true},
        {"Taalscherm=99999999999", false, true},
        {"", false, true},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string file = dir.write("Dump/All_dat.ini", "[Programma]\r\n" + c.line + "\r\n");
        EXPECT_EQ(platform::ini::readBool(file, "programma", "TAALSCHERM", false), c.whenFalse) << c.line;
        EXPECT_EQ(platform::ini::readBool(file, "Programma", "Taalscherm", true), c.whenTrue) << c.line;
    }
    EXPECT_FALSE(platform::ini::readBool(dir / "missing.ini", "Programma", "Taalscherm", false));
    EXPECT_TRUE(platform::ini::readBool(dir / "missing.ini", "Programma", "Taalscherm", true));
}

TEST(IniBool, WritesOneAndZero) {
    TempDir dir;
    dir.mkdir("Dump");
    const std::string file = dir / "Dump/All_dat.ini";
    platform::ini::writeBool(file, "Programma", "Taalscherm", false);
    EXPECT_EQ(testing_support::readFile(file), "[Programma]\r\nTaalscherm=0\r\n");
    platform::ini::writeBool(file, "Programma", "Taalscherm", true);
    EXPECT_EQ(testing_support::readFile(file), "[Programma]\r\nTaalscherm=1\r\n");
    EXPECT_TRUE(platform::ini::readBool(file, "Programma", "Taalscherm", false));
}

} // namespace
