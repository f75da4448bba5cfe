// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"
#include "platform/Ini.h"
#include "platform/Path.h"

#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using platform::ini::readString;
using platform::ini::writeString;
using testing_support::readFile;
using testing_support::snapshot;
using testing_support::TempDir;

struct WriteCase {
    const char* fact;
    std::optional<std::string> before; // nothing: no file yet
    const char* section;
    const char* key;
    std::string value;
    std::string after;
};

void expectWrites(const WriteCase* begin, const WriteCase* end) {
    for (const WriteCase* c = begin; c != end; ++c) {
        TempDir dir;
        dir.mkdir("Dump");
        const std::string path = dir / "Dump/All_dat.ini";
        if (c->before) dir.write("Dump/All_dat.ini", *c->before);
        ASSERT_NO_THROW(writeString(path, c->section, c->key, c->value)) << c->fact;
        EXPECT_EQ(readFile(path), c->after) << c->fact;
        EXPECT_EQ(snapshot(dir / "Dump").size(), 1u) << c->fact << ": a temporary file was left";
        EXPECT_EQ(readString(path, c->section, c->key, "<default>"), c->value) << c->fact;
    }
}

TEST(IniWrite, CreatesAndReplacesAsWindowsDoes) {
    const WriteCase cases[] = {
        {"new file", std::nullopt, "Programma", "Taalkeuze", "Nederlands",
         "[Programma]\r\nTaalkeuze=Nederlands\r\n"},
        {"empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"new section at the end, no blank line", "[Programma]\r\nTaalkeuze=Engels\r\n", "msts locatie",
         "Pad", "C:\\MSTS", "[Programma]\r\nTaalkeuze=Engels\r\n[msts locatie]\r\nPad=C:\\MSTS\r\n"},
        {"new section after a last line without newline", "[A]\r\nx=1", "S", "k", "v",
         "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        {"new key after the last key of its section", "[S]\r\na=1\r\n\r\n; note\r\n[T]\r\nb=2\r\n", "s", "k",
         "v", "[S]\r\na=1\r\nk=v\r\n\r\n; note\r\n[T]\r\nb=2\r\n"},
        {"new key in a section without keys", "[S]\r\n; note\r\n[T]\r\n", "S", "k", "v",
         "[S]\r\nk=v\r\n; note\r\n[T]\r\n"},
        {"new key after a last key without newline", "[S]\r\na=1", "S", "k", "v", "[S]\r\na=1\r\nk=v\r\n"},
        {"lines without = are no keys", "[S]\r\na=1\r\nstray\r\n", "S", "k", "v",
         "[S]\r\na=1\r\nk=v\r\nstray\r\n"},
        {"value replaced in place, spelling kept", "[Programma]\r\n  TaalKeuze = Engels \r\nTaalscherm=1\r\n",
         "PROGRAMMA", "taalkeuze", "Nederlands", "[Programma]\r\nTaalKeuze=Nederlands\r\nTaalscherm=1\r\n"},
        {"other lines kept byte for byte", "junk\n[S]\nk=old\n;c\n  [T] x\n", "S", "k", "new",
         "junk\n[S]\nk=new\r\n;c\n  [T] x\n"},
        {"CR-only lines kept", "[S]\rk=old\rz=1\r", "S", "k", "new", "[S]\rk=new\r\nz=1\r"},
        {"file end gets CRLF", "[S]\r\nk=1\r\nz=2", "S", "k", "v", "[S]\r\nk=v\r\nz=2\r\n"},
        {"only the first of two sections", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", "S", "k", "v",
         "[S]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n"},
        {"first of two keys", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "v", "[S]\r\nk=v\r\nk=2\r\n"},
        {"keys before any section untouched", "k=1\r\n[S]\r\n", "S", "k", "v", "k=1\r\n[S]\r\nk=v\r\n"},
        {"commented key untouched", "[S]\r\n;k=1\r\n", "S", "k", "v", "[S]\r\nk=v\r\n;k=1\r\n"},
        {"value written as given", "[S]\r\n", "S", "k", "a ; \"b\" =c", "[S]\r\nk=a ; \"b\" =c\r\n"},
        {"empty value", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        {"caller names trimmed of spaces", "", " S ", "  k ", "v", "[S]\r\nk=v\r\n"},
        {"UTF-8 byte-order mark kept", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "2",
         "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
    };
    expectWrites(std::begin(cases), std::end(cases));
}

TEST(IniWrite, KeepsTheFileEncoding) {
    const std::string utf16Before = std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
    const std::string utf16After = utf16Before + std::string("k\0=\0\xE9\0\r\0\n\0", 10);
    const WriteCase cases[] = {
        {"new file is UTF-8", std::nullopt, "S", "k", "caf\xC3\xA9", "[S]\r\nk=caf\xC3\xA9\r\n"},
        {"Windows-1252 stays Windows-1252", "[S]\r\na=\xE9\r\n", "S", "k", "\xC3\xA9",
         "[S]\r\na=\xE9\r\nk=\xE9\r\n"},
        {"Windows-1252 that cannot hold the text becomes UTF-8", "[S]\r\na=\xE9\r\n", "S", "k", "\xCE\xA9",
         "[S]\r\na=\xC3\xA9\r\nk=\xCE\xA9\r\n"},
        {"UTF-16 stays UTF-16", utf16Before, "S", "k", "\xC3\xA9", utf16After},
    };
    expectWrites(std::begin(cases), std::end(cases));
}

// Refused writes raise the error the program shows, and change nothing.
class IniRefusedWrite : public ::testing::Test {
  protected:
    void SetUp() override { dir.write("Dump/All_dat.ini", "[S]\r\nk=old\r\n"); }
    void expectRefused(const std::string& file, const char* section, const char* key,
                       const std::string& value) {
        const auto before = snapshot(dir.path());
        try {
            writeString(file, section, key, value);
            ADD_FAILURE() << "no error for " << file;
        } catch (const platform::AppError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + platform::shownPath(file));
        }
        EXPECT_EQ(snapshot(dir.path()), before) << file;
    }
    TempDir dir;
};

TEST_F(IniRefusedWrite, MissingFolderIsNotCreated) {
    expectRefused(dir.path() + "\\NoDump\\All_dat.ini", "S", "k", "v");
    expectRefused(dir.path() + "/Dump/Missing/\\All_dat.ini", "S", "k", "v");
}

TEST_F(IniRefusedWrite, ReadOnlyFile) {
    fs::permissions(dir / "Dump/All_dat.ini", fs::perms(0444));
    expectRefused(dir.path() + "\\Dump\\All_dat.ini", "S", "k", "new");
    expectRefused(dir.path() + "\\Dump\\All_dat.ini", "T", "k", "new");
}

TEST_F(IniRefusedWrite, ReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    fs::permissions(dir / "Dump", fs::perms(0555));
    expectRefused(dir.path() + "\\Dump\\All_dat.ini", "S", "k", "new");
}

TEST_F(IniRefusedWrite, PathThatIsAFolderOrNothing) {
    dir.mkdir("Dump/Folder.ini");
    expectRefused(dir.path() + "\\Dump\\Folder.ini", "S", "k", "v");
    expectRefused(dir.path() + "\\Dump\\", "S", "k", "v");
    expectRefused("", "S", "k", "v");
    testing_support::ScopedEnv wine("WINEPREFIX", std::nullopt);
    testing_support::ScopedEnv home("HOME", std::nullopt);
    expectRefused("C:\\Brontara\\Dump\\All_dat.ini", "S", "k", "v");
}

TEST_F(IniRefusedWrite, DiskFull) {
    dir.write("Dump/All_dat.ini", "[S]\r\nk=old\r\n" + std::string(50000, ';') + "\r\n");
    const rlim_t limit = 20000;
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    expectRefused(dir.path() + "\\Dump\\All_dat.ini", "S", "k", "new");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(IniRefusedWrite, TextThatWouldNotReadBack) {
    const std::string file = dir.path() + "\\Dump\\All_dat.ini";
    const struct {
        const char* section;
        const char* key;
        std::string value;
    } cases[] = {
        {"S", "k", "C:\\MSTS\r\n[Other]"}, // a line break would add lines
        {"S", "k", "a\nb"},
        {"S\nT", "k", "v"},
        {"S", "k\r", "v"},
        {"S]", "k", "v"},
        {"S", "a=b", "v"},
        {"S", ";k", "v"},
        {"S", "[k", "v"},
        {"S", "k", "caf\xE9"}, // not UTF-8
    };
    for (const auto& c : cases)
        expectRefused(file, c.section, c.key, c.value);
}

TEST(IniWriteFile, KeepsPermissionsAndWritesThroughLinks) {
    TempDir dir;
    const std::string real = dir.write("Dump/real.ini", "[S]\r\nk=1\r\n");
    fs::permissions(real, fs::perms(0640));
    fs::create_symlink("real.ini", dir / "Dump/All_dat.ini");
    writeString(dir / "Dump/All_dat.ini", "S", "k", "2");
    EXPECT_TRUE(fs::is_symlink(dir / "Dump/All_dat.ini"));
    EXPECT_EQ(readFile(real), "[S]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
}

TEST(IniWriteFile, NameIsLookedUpWithoutRegardToCase) {
    TempDir dir;
    dir.write("Dump/All_dat.ini", "[S]\r\n");
    writeString(dir.path() + "\\dump\\ALL_DAT.INI", "S", "k", "v");
    EXPECT_EQ(snapshot(dir.path()),
              (std::map<std::string, std::string>{{"Dump/", ""}, {"Dump/All_dat.ini", "[S]\r\nk=v\r\n"}}));
}

TEST(IniWriteFile, ASettingsFileAfterAFirstStart) {
    TempDir dir;
    dir.mkdir("Dump");
    const std::string file = dir.path() + "\\Dump\\All_dat.ini";
    writeString(file, "Programma", "Taalkeuze", "Nederlands");
    platform::ini::writeBool(file, "Programma", "Taalscherm", true);
    writeString(file, "msts locatie", "Pad", "C:\\Program Files\\Microsoft Games\\Train Simulator");
    writeString(file, "Programma", "Taalkeuze", "English");
    EXPECT_EQ(readFile(dir / "Dump/All_dat.ini"),
              "[Programma]\r\nTaalkeuze=English\r\nTaalscherm=1\r\n"
              "[msts locatie]\r\nPad=C:\\Program Files\\Microsoft Games\\Train Simulator\r\n");
}

} // namespace
