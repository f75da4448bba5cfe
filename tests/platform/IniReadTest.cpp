// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Ini.h"

#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using platform::ini::readString;
using testing_support::TempDir;

struct ReadCase {
    const char* fact;
    std::string file;
    const char* section;
    const char* key;
    std::string expected; // read with the default "<default>"
};

const std::string kDefault = "<default>";

void expectReads(const ReadCase* begin, const ReadCase* end) {
    TempDir dir;
    for (const ReadCase* c = begin; c != end; ++c) {
        const std::string path = dir.write("Dump/All_dat.ini", c->file);
        EXPECT_EQ(readString(path, c->section, c->key, kDefault), c->expected) << c->fact;
    }
}

TEST(IniRead, PrivateProfileRules) {
    const ReadCase cases[] = {
        {"exact names", "[Programma]\r\nTaalkeuze=Engels\r\n", "Programma", "Taalkeuze", "Engels"},
        {"names ignore case, value keeps it", "[programma]\r\nTAALKEUZE=EnGeLs\r\n", "PROGRAMMA", "taalkeuze",
         "EnGeLs"},
        {"missing section", "[Programma]\r\nTaalkeuze=Engels\r\n", "msts locatie", "Taalkeuze", kDefault},
        {"missing key", "[Programma]\r\nTaalkeuze=Engels\r\n", "Programma", "Taalscherm", kDefault},
        {"empty file", "", "Programma", "Taalkeuze", kDefault},
        {"empty value is no default", "[S]\r\nk=\r\n", "S", "k", ""},
        {"blanks around value go", "[msts locatie]\r\nPad=C:\\MSTS  \t \r\n", "msts locatie", "Pad",
         "C:\\MSTS"},
        {"blanks around key go", "[S]\r\n \t k \t= \t v\r\n", "S", "k", "v"},
        {"inner blanks stay", "[S]\r\nk=a  b\r\n", "S", "k", "a  b"},
        {"double quotes go", "[S]\r\nk=\"C:\\Program Files\"\r\n", "S", "k", "C:\\Program Files"},
        {"single quotes go", "[S]\r\nk='v'\r\n", "S", "k", "v"},
        {"only one pair goes", "[S]\r\nk='\"v\"'\r\n", "S", "k", "\"v\""},
        {"quotes after trimming", "[S]\r\nk=  \"  v  \"  \r\n", "S", "k", "  v  "},
        {"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        {"mismatched quotes stay", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
        {"quote on one side stays", "[S]\r\nk=\"v\r\n", "S", "k", "\"v"},
        {"two quotes give empty", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
        {"; starts a comment", "[S]\r\n;k=v\r\n", "S", ";k", kDefault},
        {"indented comment", "[S]\r\n  \t;k=v\r\nk=w\r\n", "S", "k", "w"},
        {"# is no comment", "[S]\r\n#k=v\r\n", "S", "#k", "v"},
        {"; inside a value stays", "[S]\r\nk=a ; b\r\n", "S", "k", "a ; b"},
        {"line without =", "[S]\r\nk\r\n", "S", "k", kDefault},
        {"= inside a value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        {"first duplicate key wins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        {"only the first section is searched", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", kDefault},
        {"first section still found", "[S]\r\na=1\r\n[T]\r\n[s]\r\na=2\r\n", "S", "a", "1"},
        {"keys before any section", "k=1\r\n[S]\r\n", "S", "k", kDefault},
        {"keys before any section, empty name", "k=1\r\n[S]\r\n", "", "k", kDefault},
        {"indented header", "  \t[S]\r\nk=v\r\n", "S", "k", "v"},
        {"header name trimmed", "[ \tS \t]\r\nk=v\r\n", "S", "k", "v"},
        {"text after ] ignored", "[S] comment k=x\r\nk=v\r\n", "S", "k", "v"},
        {"no key on the header line", "[S]k=x\r\n", "S", "k", kDefault},
        {"missing ]", "[S\r\nk=v\r\n", "S", "k", "v"},
        {"name ends at first ]", "[S]]\r\nk=v\r\n", "S", "k", "v"},
        {"empty section name", "[]\r\nk=v\r\n", "", "k", "v"},
        {"key of another section", "[S]\r\n[T]\r\nk=v\r\n", "S", "k", kDefault},
        {"caller names trimmed of spaces", "[S]\r\nk=v\r\n", "  S ", " k  ", "v"},
        {"caller names keep tabs", "[S]\r\nk=v\r\n", "\tS", "k", kDefault},
        {"LF endings", "[S]\nk=v\n", "S", "k", "v"},
        {"CR endings", "[S]\rk=v\rj=w\r", "S", "j", "w"},
        {"mixed endings", "[A]\r\na=1\n[S]\rk=v\n\rj=w", "S", "j", "w"},
        {"no final newline", "[S]\r\nk=v", "S", "k", "v"},
        {"NUL inside the file", std::string("[S]\r\nk=a\0b\r\nj=w\r\n", 17), "S", "j", "w"},
    };
    expectReads(std::begin(cases), std::end(cases));
}

TEST(IniRead, ValuesAreCutLikeA1024ByteBuffer) {
    const std::string a1500(1500, 'a');
    const std::string e1500 = [] {
        std::string s;
        for (int k = 0; k < 1500; ++k)
            s += "\xC3\xA9";
        return s;
    }();
    const ReadCase cases[] = {
        {"1023 bytes kept", "[S]\r\nk=" + a1500.substr(0, 1023) + "\r\n", "S", "k", a1500.substr(0, 1023)},
        {"longer cut to 1023", "[S]\r\nk=" + a1500 + "\r\n", "S", "k", a1500.substr(0, 1023)},
        {"quotes go before the cut", "[S]\r\nk=\"" + a1500 + "\"\r\n", "S", "k", a1500.substr(0, 1023)},
        {"UTF-8: not inside a character", "[S]\r\nk=" + e1500 + "\r\n", "S", "k", e1500.substr(0, 1022)},
        {"UTF-8: 1022 bytes and a two-byte character", "[S]\r\nk=" + a1500.substr(0, 1022) + "\xC3\xA9\r\n",
         "S", "k", a1500.substr(0, 1022)},
        {"Windows-1252: 1023 characters", "[S]\r\nk=" + std::string(1500, '\xE9') + "\r\n", "S", "k",
         e1500.substr(0, 2046)},
    };
    expectReads(std::begin(cases), std::end(cases));
}

TEST(IniRead, DefaultLosesTrailingSpacesAndIsCut) {
    TempDir dir;
    const std::string missing = dir / "none.ini";
    EXPECT_EQ(readString(missing, "S", "k", ""), "");
    EXPECT_EQ(readString(missing, "S", "k", " x  "), " x");
    EXPECT_EQ(readString(missing, "S", "k", std::string(2000, 'd')), std::string(1023, 'd'));
}

TEST(IniRead, Encodings) {
    const std::string utf16 =
        std::string("\xFF\xFE", 2) + std::string("[\0S\0]\0\r\0\n\0k\0=\0c\0a\0f\0\xE9\0\r\0\n\0", 26);
    const ReadCase cases[] = {
        {"UTF-8", "[S]\r\nk=caf\xC3\xA9\r\n", "S", "k", "caf\xC3\xA9"},
        {"Windows-1252", "[S]\r\nk=caf\xE9 \x80\r\n", "S", "k", "caf\xC3\xA9 \xE2\x82\xAC"},
        {"Windows-1252 section name", "[Caf\xE9]\r\nk=v\r\n", "Caf\xC3\xA9", "k", "v"},
        {"UTF-8 byte-order mark skipped", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
        {"mark before invalid UTF-8 spoils the header", "\xEF\xBB\xBF[S]\r\nk=\xE9\r\n", "S", "k", kDefault},
        {"UTF-16LE with byte-order mark", utf16, "S", "k", "caf\xC3\xA9"},
        {"UTF-16LE name", utf16, "s", "K", "caf\xC3\xA9"},
    };
    expectReads(std::begin(cases), std::end(cases));
}

TEST(IniRead, FilesThatCannotBeReadGiveTheDefault) {
    TempDir dir;
    dir.mkdir("Dump/All_dat.ini");
    EXPECT_EQ(readString(dir / "Dump/All_dat.ini", "S", "k", "d"), "d"); // a folder
    EXPECT_EQ(readString(dir / "Dump/missing.ini", "S", "k", "d"), "d");
    EXPECT_EQ(readString(dir / "NoDump/All_dat.ini", "S", "k", "d"), "d");
    EXPECT_EQ(readString("", "S", "k", "d"), "d");
    testing_support::ScopedEnv wine("WINEPREFIX", std::nullopt);
    testing_support::ScopedEnv home("HOME", std::nullopt);
    EXPECT_EQ(readString("C:\\Brontara\\Dump\\All_dat.ini", "S", "k", "d"), "d");
}

TEST(IniRead, BinaryFileGivesDefaultsOrItsKeys) {
    TempDir dir;
    std::string bytes;
    for (int k = 0; k < 100000; ++k)
        bytes += static_cast<char>((k * 7919 + k / 13) & 0xFF);
    bytes += "\r\n[S]\r\nk=found\r\n";
    const std::string path = dir.write("binary.ini", bytes);
    EXPECT_EQ(readString(path, "S", "k", "d"), "found");
    EXPECT_EQ(readString(path, "T", "k", "d"), "d");
}

TEST(IniRead, LargeFileIsReadQuickly) {
    TempDir dir;
    std::string bytes;
    bytes.reserve(11 << 20);
    for (int k = 0; bytes.size() < (10u << 20); ++k)
        bytes += "[Section" + std::to_string(k) + "]\r\nkey=value " + std::to_string(k) + "\r\n";
    bytes += "[Last]\r\nkey=at the end\r\n";
    const std::string path = dir.write("big.ini", bytes);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readString(path, "last", "KEY", ""), "at the end");
    EXPECT_EQ(readString(path, "Section7", "key", ""), "value 7");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(IniRead, PathsAreMappedLikeEveryOtherFile) {
    TempDir dir;
    dir.write("Dump/All_dat.ini", "[S]\r\nk=v\r\n");
    EXPECT_EQ(readString(dir.path() + "\\\\DUMP\\all_dat.INI", "S", "k", ""), "v");
}

} // namespace
