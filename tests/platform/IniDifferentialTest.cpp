// SPDX-License-Identifier: GPL-3.0-or-later
// Our INI code against Windows' own private-profile functions: the same files
// and questions through ini::readString/writeString and through
// GetPrivateProfileStringA/WritePrivateProfileStringA. Every row must agree,
// except where a row names the deliberate difference and why; there our own
// result is checked instead. Where Wine's functions differ from Windows' (a
// row says how), Windows is the reference: under Wine such a row checks our
// result alone, on Windows it is compared as every other row.
#include "platform/Error.h"
#include "platform/Ini.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

// A scratch folder for the two copies of each file.
class Scratch {
  public:
    Scratch() {
        char base[MAX_PATH + 1];
        const DWORD length = GetTempPathA(sizeof base, base);
        m_path = std::string(base, length) + "brontara-ini-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++m_counter);
        fs::create_directory(m_path);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string file(const std::string& name, const std::string& bytes) const {
        const std::string path = m_path + "\\" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

  private:
    std::string m_path;
    static inline int m_counter = 0;
};

bool underWine() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// What Windows gives, in the ANSI code page, converted to UTF-8 as our code returns text.
std::string ansiToUtf8(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int wideSize =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(wideSize, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), wideSize);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string windowsRead(const std::string& file, const char* section, const char* key, const char* fallback) {
    char buffer[1024];
    const DWORD length =
        GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, file.c_str());
    return ansiToUtf8(std::string(buffer, length));
}

struct ReadRow {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    const char* fallback;
    const char* deliberateDifference = nullptr; // nullptr: both must agree
    const char* ours = nullptr;                 // with a deliberate difference: our result
    bool needsWindows1252 = false;              // the row's bytes are Windows-1252 text
    const char* wineDiffers = nullptr;          // how Wine differs from Windows here
};

const std::string kLong(1500, 'x');
const std::string kUtf16 = std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xFC\0\r\0\n\0", 22);

const ReadRow kReadRows[] = {
    {"a plain value", "[Programma]\r\nTaalkeuze=Nederlands\r\n", "Programma", "Taalkeuze", "-", nullptr},
    {"names match without regard to case", "[PROGRAMMA]\r\ntaalkeuze=English\r\n", "Programma", "TaalKeuze",
     "-", nullptr},
    {"blanks around key and value", "[S]\r\n  key \t=\t  value  \r\n", "S", "key", "-", nullptr},
    {"one pair of double quotes", "[S]\r\nk=\"quoted value\"\r\n", "S", "k", "-", nullptr},
    {"one pair of single quotes", "[S]\r\nk='v'\r\n", "S", "k", "-", nullptr},
    {"mismatched quotes stay", "[S]\r\nk=\"v'\r\n", "S", "k", "-", nullptr},
    {"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "-", nullptr},
    {"a comment line", "[S]\r\n;k=commented\r\nk=real ; not a comment\r\n", "S", "k", "-", nullptr},
    {"a hash is no comment", "[S]\r\n#k=1\r\n", "S", "#k", "-", nullptr},
    {"LF line ends", "[S]\nk=lf\n", "S", "k", "-", nullptr},
    {"CR line ends", "[S]\rk=cr\r", "S", "k", "-", nullptr},
    {"a missing key gives the default", "[S]\r\nk=v\r\n", "S", "other", "fallback", nullptr},
    {"a missing section gives the default", "[S]\r\nk=v\r\n", "T", "k", "fallback", nullptr},
    {"the default loses trailing blanks", "[S]\r\n", "S", "k", "fallback  ", nullptr},
    {"the first of two keys wins", "[S]\r\nk=first\r\nk=second\r\n", "S", "k", "-", nullptr},
    {"only the first of two sections", "[S]\r\na=1\r\n[S]\r\nk=second\r\n", "S", "k", "-", nullptr},
    {"keys before any section are unreachable", "k=v\r\n[S]\r\n", "S", "k", "-", nullptr},
    {"text after the section's bracket", "[S] trailing\r\nk=v\r\n", "S", "k", "-", nullptr},
    {"a section name is trimmed", "[  S  ]\r\nk=v\r\n", "S", "k", "-", nullptr},
    {"a line without = is no key", "[S]\r\nk\r\n", "S", "k", "-", nullptr},
    {"a long value is cut to 1023 characters", "[S]\r\nk=" + kLong + "\r\n", "S", "k", "-", nullptr},
    {"an empty value", "[S]\r\nk=\r\n", "S", "k", "-", nullptr},
    {"a Windows-1252 language file",
     "[Taal]\r\nNaam=Fran\xE7"
     "ais\r\n",
     "Taal", "Naam", "-", nullptr, nullptr, true},
    {"a UTF-16 file with its byte-order mark", kUtf16, "S", "k", "-", nullptr},
    {"a UTF-8 file",
     "[Taal]\r\nNaam=Fran\xC3\xA7"
     "ais\r\n",
     "Taal", "Naam", "-",
     "valid UTF-8 is read as UTF-8, so that settings written by the program read back; "
     "Windows reads every 8-bit file in the ANSI code page",
     "Fran\xC3\xA7"
     "ais"},
    {"a UTF-8 byte-order mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "-",
     "the mark is skipped, so that a language file saved by an editor that adds it still works; "
     "Windows takes it for part of the first section header",
     "v", false, "Wine skips the mark too"},
};

TEST(IniDifferential, ReadsAgreeWithGetPrivateProfileString) {
    for (const ReadRow& row : kReadRows) {
        SCOPED_TRACE(row.name);
        if (row.needsWindows1252 && GetACP() != 1252) continue; // Windows would read another code page
        Scratch scratch;
        const std::string file = scratch.file("test.ini", row.bytes);
        const std::string ours = platform::ini::readString(file, row.section, row.key, row.fallback);
        const std::string windows = windowsRead(file, row.section, row.key, row.fallback);
        if (row.deliberateDifference) {
            EXPECT_EQ(ours, row.ours) << row.deliberateDifference;
            if (!(row.wineDiffers && underWine())) {
                EXPECT_NE(ours, windows) << "listed as a difference, but both agree";
            }
        } else {
            EXPECT_EQ(ours, windows);
        }
    }
}

struct WriteRow {
    const char* name;
    std::optional<std::string> before; // nothing: no file yet
    const char* section;
    const char* key;
    const char* value;
    const char* wineDiffers = nullptr; // how Wine differs from Windows here
    const char* expected = nullptr;    // with wineDiffers: what Windows (and our code) writes
};

const WriteRow kWriteRows[] = {
    {"a new file", std::nullopt, "Programma", "Taalkeuze", "Nederlands"},
    {"a new key goes after the section's last key", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "c", "3",
     "Wine drops the blank line before [T]", "[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n"},
    {"a value is replaced in place", "[Sec]\r\nKey=old\r\n;comment\r\nOther=1\r\n", "SEC", "KEY", "new"},
    {"a new section goes at the end", "[S]\r\na=1\r\n", "T", "b", "2"},
    {"every other line stays", "; header\r\n[S]\r\n  a = 1 \r\njunk line\r\n[T]\r\n", "T", "k", "v",
     "Wine rewrites \"  a = 1 \" as \"a=1\"", "; header\r\n[S]\r\n  a = 1 \r\njunk line\r\n[T]\r\nk=v\r\n"},
    {"the value is written as given", "[S]\r\n", "S", "k", " spaced \"value\" ",
     "Wine drops the value's leading blank", "[S]\r\nk= spaced \"value\" \r\n"},
};

TEST(IniDifferential, WritesAgreeWithWritePrivateProfileString) {
    for (const WriteRow& row : kWriteRows) {
        SCOPED_TRACE(row.name);
        Scratch scratch;
        const std::string ours = scratch / "ours.ini";
        const std::string windows = scratch / "windows.ini";
        if (row.before) {
            scratch.file("ours.ini", *row.before);
            scratch.file("windows.ini", *row.before);
        }
        platform::ini::writeString(ours, row.section, row.key, row.value);
        ASSERT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, windows.c_str()));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, windows.c_str()); // flush Windows' cache
        if (row.wineDiffers) {
            EXPECT_EQ(bytesOf(ours), row.expected);
        }
        if (!(row.wineDiffers && underWine())) {
            EXPECT_EQ(bytesOf(ours), bytesOf(windows));
        }
    }
}

// Deliberate: a value or name with a line break would not read back as one
// entry (Windows writes it and so corrupts the file), so our writer refuses it.
TEST(IniDifferential, ALineBreakInAValueIsRefusedWhereWindowsWritesIt) {
    Scratch scratch;
    const std::string ours = scratch.file("ours.ini", "[S]\r\nk=old\r\n");
    const std::string windows = scratch.file("windows.ini", "[S]\r\nk=old\r\n");
    EXPECT_THROW(platform::ini::writeString(ours, "S", "k", "two\r\nlines"), platform::AppError);
    EXPECT_EQ(bytesOf(ours), "[S]\r\nk=old\r\n") << "the file is unchanged";
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "two\r\nlines", windows.c_str()));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, windows.c_str());
    EXPECT_NE(bytesOf(windows), "[S]\r\nk=old\r\n");
}

} // namespace
