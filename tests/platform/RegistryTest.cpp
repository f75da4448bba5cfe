// SPDX-License-Identifier: GPL-3.0-or-later
// readLocalMachineText on Linux: the simulator's entry looked up in a real
// system.reg, written in Wine's format into a temporary prefix.
#include "platform/Registry.h"
#include "platform/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace {

using testing_support::ScopedEnv;

using platform::RegistryText;
using testing_support::TempDir;

constexpr const char* kKey = R"(\Software\Microsoft\Microsoft Games\Train Simulator\1.0\)";
constexpr const char* kValueName = "EXE Path";

// The key's section line as Wine writes it: backslashes doubled, a timestamp.
const std::string kSection = R"([Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0] 1712345678)"
                             "\n#time=1d9b0c2f5a3e8b0\n";
const std::string kWowSection =
    R"([Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Train Simulator\\1.0] 1712345678)"
    "\n#time=1d9b0c2f5a3e8b0\n";
// Keys around it, as in any prefix.
const std::string kBefore = R"([Software\\Classes\\.txt] 1712345678)"
                            "\n#time=1d9b0c2f5a3e8b0\n"
                            R"(@="txtfile")"
                            "\n"
                            R"("Content Type"="text/plain")"
                            "\n\n";
const std::string kAfter = "\n"
                           R"([Software\\Wine\\Drives] 1712345678)"
                           "\n"
                           R"("c:"="hd")"
                           "\n";

std::string header(const char* arch = "win32") {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
    if (arch) text += std::string("#arch=") + arch + "\n";
    return text + "\n";
}

class WineRegistryTest : public ::testing::Test {
  protected:
    void writeSystemReg(const std::string& content) const { prefix.write("system.reg", content); }
    static RegistryText read() { return platform::readLocalMachineText(kKey, kValueName); }

    TempDir prefix;
    ScopedEnv winePrefix{"WINEPREFIX", prefix.path()};
};

// ---- Values that are found -------------------------------------------------

struct FoundCase {
    const char* name;
    const char* arch; // nullptr: no "#arch" line, as in old prefixes
    std::string body; // everything after the header
    bool keyOpened;
    std::string value;
};

std::ostream& operator<<(std::ostream& os, const FoundCase& c) {
    return os << c.name;
}

class RegistryValueTest : public WineRegistryTest, public ::testing::WithParamInterface<FoundCase> {};

TEST_P(RegistryValueTest, ReadsTheSimulatorFolder) {
    const FoundCase& c = GetParam();
    writeSystemReg(header(c.arch) + c.body);
    const RegistryText result = read();
    EXPECT_EQ(result.keyOpened, c.keyOpened);
    EXPECT_EQ(result.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryValueTest,
    ::testing::Values(
        FoundCase{"PlainString", "win32",
                  kBefore + kSection +
                      R"("EXE Path"="C:\\Program Files\\Microsoft Games\\Train Simulator")"
                      "\n" +
                      kAfter,
                  true, R"(C:\Program Files\Microsoft Games\Train Simulator)"},
        FoundCase{"StrPrefix", "win32", kSection + R"("EXE Path"=str:"D:\\MSTS")" + "\n", true, R"(D:\MSTS)"},
        FoundCase{"ExpandStringIsNotExpanded", "win32",
                  kSection + R"("EXE Path"=str(2):"%ProgramFiles%\\MSTS")" + "\n", true,
                  R"(%ProgramFiles%\MSTS)"},
        FoundCase{"ExpandStringAsHexOverLines", "win32",
                  kSection + R"("EXE Path"=hex(2):43,00,3a,00,5c,00,\)" + "\n  4d,00,00,00\n", true,
                  R"(C:\M)"},
        FoundCase{"EscapedQuotesAndBackslashes", "win32",
                  kSection + R"("EXE Path"="C:\\\"Games\"\\MSTS")" + "\n", true, R"(C:\"Games"\MSTS)"},
        FoundCase{"TrailingBackslash", "win32", kSection + R"("EXE Path"="C:\\MSTS\\")" + "\n", true,
                  R"(C:\MSTS\)"},
        FoundCase{"ForwardSlashes", "win32", kSection + R"("EXE Path"="C:/Games/MSTS/")" + "\n", true,
                  "C:/Games/MSTS/"},
        FoundCase{"KeyAndValueInOtherCase", "win32",
                  R"([SOFTWARE\\microsoft\\MICROSOFT GAMES\\train simulator\\1.0] 1)"
                  "\n"
                  R"("exe path"="C:\\MSTS")"
                  "\n",
                  true, R"(C:\MSTS)"},
        FoundCase{"NonAsciiEscapes", "win32",
                  kSection + R"("EXE Path"="C:\\Spiele\\Z\xfcge \xd83d\xde82")" + "\n", true,
                  "C:\\Spiele\\Z\xC3\xBCge \xF0\x9F\x9A\x82"},
        FoundCase{"EmptyString", "win32", kSection + R"("EXE Path"="")" + "\n", true, ""},
        FoundCase{"TextEndsAtNul", "win32", kSection + R"("EXE Path"="C:\\MSTS\0old")" + "\n", true,
                  R"(C:\MSTS)"},
        FoundCase{"KeyWithoutTheValue", "win32",
                  kSection + R"("Version"="1.0")" + "\n" + R"(@="C:\\Default")" + "\n" + kAfter, true, ""},
        FoundCase{"KeyWithoutAnyValue", "win32", kBefore + kSection + kAfter, true, ""},
        FoundCase{"SimilarNamesDoNotCount", "win32",
                  kSection + R"("EXE Path2"="C:\\A")" + "\n" + R"("EXE"="C:\\B")" + "\n" +
                      R"("EXE Path "="C:\\C")" + "\n",
                  true, ""},
        FoundCase{"FirstOfTwoSectionsWins", "win32",
                  kSection + R"("EXE Path"="C:\\First")" + "\n" + kAfter +
                      R"([software\\microsoft\\microsoft games\\train simulator\\1.0] 1)" + "\n" +
                      R"("EXE Path"="C:\\Second")" + "\n",
                  true, R"(C:\First)"},
        FoundCase{"FirstSectionWinsEvenWithoutTheValue", "win32",
                  kSection + kAfter + kSection + R"("EXE Path"="C:\\Second")" + "\n", true, ""},
        FoundCase{"LaterLineInOneSectionReplaces", "win32",
                  kSection + R"("EXE Path"="C:\\Old")" + "\n" + R"("EXE Path"="C:\\New")" + "\n", true,
                  R"(C:\New)"},
        FoundCase{"NeighbourKeysDoNotCount", "win32",
                  R"([Software\\Microsoft\\Microsoft Games\\Train Simulator] 1)"
                  "\n"
                  R"("EXE Path"="C:\\Parent")"
                  "\n"
                  R"([Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0\\Sub] 1)"
                  "\n"
                  R"("EXE Path"="C:\\Child")"
                  "\n"
                  R"([Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.00] 1)"
                  "\n"
                  R"("EXE Path"="C:\\Sibling")"
                  "\n"
                  R"([Microsoft\\Microsoft Games\\Train Simulator\\1.0] 1)"
                  "\n"
                  R"("EXE Path"="C:\\NotUnderSoftware")"
                  "\n",
                  false, ""},
        FoundCase{"ValueOfTheNextKeyDoesNotCount", "win32",
                  kSection + R"([Software\\Other] 1)" + "\n" + R"("EXE Path"="C:\\Wrong")" + "\n", true, ""},
        FoundCase{"BinaryValueBeforeIt", "win32",
                  kSection + R"("Blob"=hex:01,02,\)" + "\n  03,04,\\\n  05\n" + R"("EXE Path"="C:\\MSTS")" +
                      "\n",
                  true, R"(C:\MSTS)"},
        FoundCase{"WindowsLineEnds", "win32",
                  "[Software\\\\Microsoft\\\\Microsoft Games\\\\Train Simulator\\\\1.0] 1\r\n"
                  "\"EXE Path\"=\"C:\\\\MSTS\"\r\n",
                  true, R"(C:\MSTS)"},
        // A 64-bit prefix: the simulator, a 32-bit program, wrote into the 32-bit view.
        FoundCase{"Win64PrefersThe32BitView", "win64",
                  kSection + R"("EXE Path"="C:\\Native")" + "\n" + kWowSection + R"("EXE Path"="C:\\Wow")" +
                      "\n",
                  true, R"(C:\Wow)"},
        FoundCase{"Win64FallsBackToThePlainKey", "win64", kSection + R"("EXE Path"="C:\\Native")" + "\n",
                  true, R"(C:\Native)"},
        FoundCase{"Win64EmptyWowKeyStillWins", "win64",
                  kSection + R"("EXE Path"="C:\\Native")" + "\n" + kWowSection, true, ""},
        FoundCase{"Win64FirstOfTwoSectionsWins", "win64",
                  kSection + R"("EXE Path"="C:\\First")" + "\n" + kAfter + kSection +
                      R"("EXE Path"="C:\\Second")" + "\n",
                  true, R"(C:\First)"},
        FoundCase{"Win32HasNoWowView", "win32", kWowSection + R"("EXE Path"="C:\\Wow")" + "\n", false, ""},
        FoundCase{"NoArchLineMeansWin32", nullptr, kWowSection + R"("EXE Path"="C:\\Wow")" + "\n", false,
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Values that are not text ---------------------------------------------

struct TypeCase {
    const char* name;
    const char* data; // after "EXE Path"=
};

std::ostream& operator<<(std::ostream& os, const TypeCase& c) {
    return os << c.name;
}

class RegistryTypeTest : public WineRegistryTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(RegistryTypeTest, RefusesAValueThatIsNotText) {
    writeSystemReg(header() + kSection + "\"EXE Path\"=" + GetParam().data + "\n" + kAfter);
    try {
        read();
        FAIL() << "no error for " << GetParam().data;
    } catch (const platform::AppError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'EXE Path'");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryTypeTest,
    ::testing::Values(TypeCase{"Dword", "dword:0000001f"}, TypeCase{"Binary", "hex:43,3a,5c"},
                      TypeCase{"EmptyBinary", "hex:"}, TypeCase{"MultiString", R"(str(7):"C:\\MSTS\0")"},
                      TypeCase{"MultiStringAsHex", "hex(7):43,00,00,00,00,00"},
                      TypeCase{"Qword", "hex(b):01,00,00,00,00,00,00,00"}, TypeCase{"NoneType", "hex(0):"},
                      TypeCase{"DwordAsHexOverLines", "hex(4):01,00,\\\n  00,00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WineRegistryTest, TypeErrorNamesTheValueAsAsked) {
    writeSystemReg(header("win64") + kWowSection + R"("EXE Path"=dword:00000001)" + "\n");
    try {
        platform::readLocalMachineText(kKey, "exe path");
        FAIL() << "no error";
    } catch (const platform::AppError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'exe path'");
    }
}

TEST_F(WineRegistryTest, OtherValuesOfWrongTypeDoNotMatter) {
    writeSystemReg(header() + kSection + R"("Version"=dword:00000001)" + "\n" + R"("EXE Path"="C:\\MSTS")" +
                   "\n" + R"(@=hex:00)" + "\n");
    EXPECT_EQ(read().value, R"(C:\MSTS)");
}

// ---- Damaged, foreign and missing files ------------------------------------

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

struct DamageCase {
    const char* name;
    std::string content; // the whole file
    bool keyOpened;
    std::string value;
};

std::ostream& operator<<(std::ostream& os, const DamageCase& c) {
    return os << c.name;
}

class RegistryDamageTest : public WineRegistryTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(RegistryDamageTest, GivesTheDefinedOutcome) {
    const DamageCase& c = GetParam();
    writeSystemReg(c.content);
    RegistryText result;
    ASSERT_NO_THROW(result = read());
    EXPECT_EQ(result.keyOpened, c.keyOpened);
    EXPECT_EQ(result.value, c.value);
}

const std::string kGoodValue = R"("EXE Path"="C:\\MSTS")"
                               "\n";

INSTANTIATE_TEST_SUITE_P(
    Files, RegistryDamageTest,
    ::testing::Values(
        DamageCase{"EmptyFile", "", false, ""}, DamageCase{"NoHeader", kSection + kGoodValue, false, ""},
        DamageCase{"OtherVersion", "WINE REGISTRY Version 1\n" + kSection + kGoodValue, false, ""},
        DamageCase{"RegeditExport",
                   "Windows Registry Editor Version 5.00\n\n"
                   R"([HKEY_LOCAL_MACHINE\Software\Microsoft\Microsoft Games\Train Simulator\1.0])"
                   "\n" +
                       kGoodValue,
                   false, ""},
        DamageCase{"HeaderCut", "WINE REGISTRY Vers", false, ""},
        DamageCase{"CutInsideKeyLine", header() + kBefore + R"([Software\\Microsoft\\Microsoft Ga)", false,
                   ""},
        DamageCase{"CutAfterKeyLine",
                   header() + R"([Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0] 17123)", true,
                   ""},
        DamageCase{"CutInsideTheValue", header() + kSection + R"("EXE Path"="C:\\Prog)", true, ""},
        DamageCase{"CutInsideBinaryLines", header() + kSection + R"("EXE Path"=hex(2):43,00,\)" + "\n  3a,",
                   true, ""},
        DamageCase{"CutBinaryBeforeTheValue", header() + kSection + R"("Blob"=hex:01,\)" + "\n" + kGoodValue,
                   true, R"(C:\MSTS)"},
        DamageCase{"MalformedDword", header() + kSection + R"("EXE Path"=dword:zz)" + "\n", true, ""},
        DamageCase{"UnknownType", header() + kSection + R"("EXE Path"=number:5)" + "\n", true, ""},
        DamageCase{"BrokenLineThenGoodOne",
                   header() + kSection + R"("EXE Path"="C:\\Broken)" + "\n" + kGoodValue, true, R"(C:\MSTS)"},
        DamageCase{"KeyLineWithoutBracket",
                   header() + R"([Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0 1)" + "\n" +
                       kGoodValue,
                   false, ""},
        DamageCase{"BinaryGarbage", randomBytes(1 << 20, 1), false, ""},
        DamageCase{"GarbageAfterHeader", header() + randomBytes(1 << 20, 2) + "\n" + kSection + kGoodValue,
                   true, R"(C:\MSTS)"},
        DamageCase{"NulBytes", header() + std::string(4096, '\0') + "\n" + kSection + kGoodValue, true,
                   R"(C:\MSTS)"},
        DamageCase{"HugeLineBeforeTheKey",
                   header() + std::string(3 << 20, 'a') + "\n" + kSection + kGoodValue, true, R"(C:\MSTS)"},
        DamageCase{"HugeValue",
                   header() + kSection + R"("EXE Path"=")" + std::string(2 << 20, 'x') + "\"\n" + kAfter,
                   true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryPrefix, MissingPrefixFindsNothing) {
    TempDir dir;
    ScopedEnv env("WINEPREFIX", dir / "no-such-prefix");
    const RegistryText result = platform::readLocalMachineText(kKey, kValueName);
    EXPECT_FALSE(result.keyOpened);
    EXPECT_EQ(result.value, "");
}

TEST_F(WineRegistryTest, PrefixWithoutSystemRegFindsNothing) {
    prefix.write("user.reg", header() + kSection + kGoodValue); // the wrong root key's file
    EXPECT_FALSE(read().keyOpened);
}

TEST_F(WineRegistryTest, FolderInPlaceOfSystemRegFindsNothing) {
    prefix.mkdir("system.reg");
    EXPECT_FALSE(read().keyOpened);
}

TEST_F(WineRegistryTest, PipeInPlaceOfSystemRegDoesNotBlock) {
    // Nobody ever writes to this pipe: reading it would wait for ever.
    ASSERT_EQ(mkfifo((prefix / "system.reg").c_str(), 0600), 0);
    EXPECT_FALSE(read().keyOpened);
}

TEST_F(WineRegistryTest, MalformedKeyPathFindsNothing) {
    writeSystemReg(header() + kSection + kGoodValue);
    EXPECT_TRUE(read().keyOpened); // the file itself is fine
    EXPECT_FALSE(platform::readLocalMachineText(R"(\Software\\Microsoft)", kValueName).keyOpened);
    EXPECT_FALSE(platform::readLocalMachineText("", kValueName).keyOpened);
}

// ---- Size -------------------------------------------------------------------

double secondsFor(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// About 20 MB of keys as Wine writes them, with the simulator's key last.
std::string largeRegistry() {
    std::string text = header();
    text.reserve(21 << 20);
    for (int i = 0; text.size() < (20u << 20); ++i) {
        text += "[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(100000000 + i) +
                "-0000-0000-C000-000000000046}] 1712345678\n#time=1d9b0c2f5a3e8b0\n@=\"Component " +
                std::to_string(i) +
                "\"\n\"Data\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,\\\n"
                "  12,13,14,15,16,17,18,19,1a,1b,1c,1d,1e,1f\n\n";
    }
    return text + kSection + kGoodValue;
}

TEST_F(WineRegistryTest, TwentyMegabyteFileIsReadInOnePass) {
    writeSystemReg(largeRegistry());
    RegistryText result;
    const double seconds = secondsFor([&] { result = read(); });
    EXPECT_TRUE(result.keyOpened);
    EXPECT_EQ(result.value, R"(C:\MSTS)");
    EXPECT_LT(seconds, 5.0);
}

TEST_F(WineRegistryTest, TwentyMegabytesWithoutLineBreaks) {
    writeSystemReg(header() + std::string(20 << 20, '['));
    RegistryText result;
    const double seconds = secondsFor([&] { result = read(); });
    EXPECT_FALSE(result.keyOpened);
    EXPECT_LT(seconds, 5.0);
}

TEST_F(WineRegistryTest, StopsReadingAfterTheKeySection) {
    // After the key's section comes a 32 GB hole of zero bytes (a sparse file,
    // taking no disk space). Reading it all would take minutes.
    writeSystemReg(header() + kSection + kGoodValue + kAfter);
    if (truncate((prefix / "system.reg").c_str(), 32LL << 30) != 0)
        GTEST_SKIP() << "this file system cannot hold a sparse 32 GB file";
    RegistryText result;
    const double seconds = secondsFor([&] { result = read(); });
    EXPECT_EQ(result.value, R"(C:\MSTS)");
    EXPECT_LT(seconds, 2.0);
}

} // namespace
