// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of Wine's registry text format: escaped strings, value lines,
// key lines and key paths.
#include "platform/linux/WineRegistry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace platform::wine;

namespace {

struct DecodeCase {
    const char* name;
    std::string input; // as it stands in the file, after the opening delimiter
    char endChar;
    std::optional<std::string> expected;
    std::size_t consumed; // only when something is expected
};

std::ostream& operator<<(std::ostream& os, const DecodeCase& c) {
    return os << c.name;
}

class DecodeStringTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeStringTest, DecodesAsWineWroteIt) {
    const DecodeCase& c = GetParam();
    std::size_t consumed = 0;
    const auto decoded = decodeString(c.input, c.endChar, consumed);
    ASSERT_EQ(decoded.has_value(), c.expected.has_value());
    if (decoded) {
        EXPECT_EQ(*decoded, *c.expected);
        EXPECT_EQ(consumed, c.consumed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, DecodeStringTest,
    ::testing::Values(DecodeCase{"Plain", R"(abc" trailing)", '"', "abc", 4},
                      DecodeCase{"Backslashes", R"(C:\\MSTS\\")", '"', R"(C:\MSTS\)", 11},
                      DecodeCase{"Quotes", R"(say \"hi\"")", '"', R"(say "hi")", 11},
                      DecodeCase{"ControlEscapes", R"(\n\t\r\a\b\e\f\v")", '"', "\n\t\r\a\b\x1b\f\v", 17},
                      DecodeCase{"HexOneUnit", R"(\x41")", '"', "A", 5},
                      DecodeCase{"HexStopsAfterFourDigits", R"(\x00e9a")", '"',
                                 "\xC3\xA9"
                                 "a",
                                 8},
                      DecodeCase{"HexShort", R"(Z\xfcge")", '"', "Z\xC3\xBCge", 8},
                      DecodeCase{"HexSurrogatePair", R"(\xd83d\xde82")", '"', "\xF0\x9F\x9A\x82", 13},
                      DecodeCase{"HexLoneSurrogate", R"(\xd83d!")", '"', "\xEF\xBF\xBD!", 8},
                      DecodeCase{"HexWithoutDigits", R"(\xyz")", '"', "xyz", 5},
                      DecodeCase{"HexFiveDigits", R"(\x12345")", '"',
                                 "\xE1\x88\xB4"
                                 "5",
                                 8},
                      DecodeCase{"Octal", R"(\101\60\0")", '"', std::string("A0\0", 3), 10},
                      DecodeCase{"OtherEscapedCharacter", R"(\q[)", '[', "q", 3},
                      DecodeCase{"EscapedBracketInKey", R"(A\]B] 123)", ']', "A]B", 5},
                      DecodeCase{"EscapedUtf8", "\\\xC3\xBC\"", '"', "\xC3\xBC", 4},
                      DecodeCase{"RawUtf8", "Z\xC3\xBCge\"", '"', "Z\xC3\xBCge", 6},
                      DecodeCase{"RawLatin1", "Z\xFCge\"", '"', "Z\xC3\xBCge", 5},
                      DecodeCase{"Empty", R"(")", '"', "", 1},
                      DecodeCase{"NoEnd", R"(abc)", '"', std::nullopt, 0},
                      DecodeCase{"CutAfterBackslash", R"(abc\)", '"', std::nullopt, 0},
                      DecodeCase{"EscapedEndIsNotTheEnd", R"(abc\")", '"', std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    std::string line;
    bool valid;
    std::string valueName;
    std::uint32_t type;
    std::string text; // for text types
};

std::ostream& operator<<(std::ostream& os, const ValueCase& c) {
    return os << c.name;
}

class ParseValueLineTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ParseValueLineTest, ReadsNameTypeAndText) {
    const ValueCase& c = GetParam();
    const auto value = parseValueLine(c.line);
    ASSERT_EQ(value.has_value(), c.valid);
    if (!value) return;
    EXPECT_EQ(value->name, c.valueName);
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->text, c.text);
    EXPECT_EQ(value->isText(), c.type == RegSz || c.type == RegExpandSz);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseValueLineTest,
    ::testing::Values(
        ValueCase{"Quoted", R"("EXE Path"="C:\\MSTS")", true, "EXE Path", RegSz, R"(C:\MSTS)"},
        ValueCase{"Default", R"(@="default")", true, "", RegSz, "default"},
        ValueCase{"StrPrefix", R"("A"=str:"x")", true, "A", RegSz, "x"},
        ValueCase{"Expand", R"("A"=str(2):"%ProgramFiles%\\MSTS")", true, "A", RegExpandSz,
                  R"(%ProgramFiles%\MSTS)"},
        ValueCase{"Multi", R"("A"=str(7):"a\0b\0")", true, "A", RegMultiSz, ""},
        ValueCase{"Dword", R"("A"=dword:0000001f)", true, "A", RegDword, ""},
        ValueCase{"DwordWithoutDigits", R"("A"=dword:)", false, "", 0, ""},
        ValueCase{"DwordNotHex", R"("A"=dword:xyz)", false, "", 0, ""},
        ValueCase{"DwordTooLong", R"("A"=dword:000000001)", false, "", 0, ""},
        ValueCase{"Binary", R"("A"=hex:01,02,ff)", true, "A", RegBinary, ""},
        ValueCase{"BinaryEmpty", R"("A"=hex:)", true, "A", RegBinary, ""},
        ValueCase{"BinaryBadByte", R"("A"=hex:01,2g)", false, "", 0, ""},
        ValueCase{"BinaryTooWideByte", R"("A"=hex:123)", false, "", 0, ""},
        ValueCase{"ExpandAsHex", R"("A"=hex(2):43,00,3a,00,00,00)", true, "A", RegExpandSz, "C:"},
        ValueCase{"TextAsHexWithoutNul", R"("A"=hex(1):41,00,42,00)", true, "A", RegSz, "AB"},
        ValueCase{"TextAsHexStopsAtNul", R"("A"=hex(1):41,00,00,00,42,00)", true, "A", RegSz, "A"},
        ValueCase{"MultiAsHex", R"("A"=hex(7):61,00,00,00,00,00)", true, "A", RegMultiSz, ""},
        ValueCase{"Qword", R"("A"=hex(b):01,00,00,00,00,00,00,00)", true, "A", 0xb, ""},
        ValueCase{"BigTypeNumber", R"("A"=hex(100000):00)", true, "A", 0x100000, ""},
        ValueCase{"BadTypeNumber", R"("A"=hex(zz):00)", false, "", 0, ""},
        ValueCase{"StrTypeWithoutColon", R"v("A"=str(2)"x")v", false, "", 0, ""},
        ValueCase{"UnterminatedString", R"("A"="C:\\Prog)", false, "", 0, ""},
        ValueCase{"NoEquals", R"("A")", false, "", 0, ""},
        ValueCase{"UnknownType", R"("A"=number:5)", false, "", 0, ""},
        ValueCase{"SpacesAroundEquals", R"("A" = "x")", true, "A", RegSz, "x"},
        ValueCase{"EscapedQuoteInName", R"("Quote\"d"="v")", true, "Quote\"d", RegSz, "v"},
        ValueCase{"TextStopsAtNul", R"("A"="C:\\MSTS\0old")", true, "A", RegSz, R"(C:\MSTS)"},
        ValueCase{"AttributeLine", R"(#time=1d9b0c2f5a3e8b0)", false, "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyPath, SplitsIntoComponents) {
    struct Case {
        const char* path;
        std::optional<std::vector<std::string>> expected;
    };
    const Case cases[] = {
        {R"(\Software\Microsoft\Microsoft Games\Train Simulator\1.0\)",
         std::vector<std::string>{"Software", "Microsoft", "Microsoft Games", "Train Simulator", "1.0"}},
        {R"(Software\Wine)", std::vector<std::string>{"Software", "Wine"}},
        {R"(Software)", std::vector<std::string>{"Software"}},
        {R"(\\Software)", std::nullopt},
        {R"(Software\\Wine)", std::nullopt},
        {R"(Software\Wine\\)", std::nullopt},
        {R"(\)", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitKeyPath(c.path), c.expected) << c.path;
}

TEST(KeyLine, DecodesTheKeyName) {
    struct Case {
        const char* line;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {R"([Software\\Wine] 1712345678)", R"(Software\Wine)"},
        {R"([Software\\Caf\xe9])", "Software\\Caf\xC3\xA9"},
        {R"([A\]B] 1)", "A]B"},
        {R"([Software\\Cut)", std::nullopt},
        {R"(Software\\Wine])", std::nullopt},
        {R"( [Software])", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseKeyLine(c.line), c.expected) << c.line;
}

TEST(RegistryName, ComparesWithoutRegardToAsciiCase) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"EXE Path", "exe path", true},
        {"Train Simulator", "TRAIN SIMULATOR", true},
        {"EXE Path", "EXE Path ", false},
        {"EXE Path", "EXE_Path", false},
        {"", "", true},
        {"[", "{", false}, // differ by 0x20 but are not letters
        {"@", "`", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sameRegistryName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

} // namespace
