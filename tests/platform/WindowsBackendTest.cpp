// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 side of the platform layer, run on Windows or under Wine: what
// only the Windows backend does (attributes set with SetFileAttributes, the
// named mutex, the registry views, FindWindow and WM_CLOSE, the shutdown-block
// reason).
#include "platform/Error.h"
#include "platform/FileAccess.h"
#include "platform/FileSystem.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/ReplaceFile.h"
#include "platform/SessionEndBlock.h"
#include "platform/SingleInstance.h"
#include "platform/WindowFinder.h"
#include "platform/win/WideText.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace {

namespace fs = std::filesystem;
using namespace platform;

std::string uniqueSuffix() {
    static unsigned counter = 0;
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

// A fresh folder under the Windows temporary folder, removed with everything
// in it (read-only and hidden entries too) when the object goes.
class TempFolder {
  public:
    TempFolder() {
        char base[MAX_PATH + 1];
        const DWORD length = GetTempPathA(sizeof base, base);
        m_path = std::string(base, length) + "brontara-test-" + uniqueSuffix();
        if (!CreateDirectoryA(m_path.c_str(), nullptr)) throw std::runtime_error("cannot create " + m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(m_path, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            SetFileAttributesA(it->path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& relative) const { return m_path + "\\" + relative; }
    const std::string& path() const { return m_path; }

    void write(const std::string& relative, const std::string& content, DWORD attributes = 0) const {
        const std::string file = *this / relative;
        HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        DWORD written = 0;
        const bool ok = h != INVALID_HANDLE_VALUE &&
                        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        if (!ok || (attributes && !SetFileAttributesA(file.c_str(), attributes)))
            throw std::runtime_error("cannot write " + file);
    }
    void mkdir(const std::string& relative, DWORD attributes = 0) const {
        const std::string folder = *this / relative;
        if (!CreateDirectoryA(folder.c_str(), nullptr) ||
            (attributes && !SetFileAttributesA(folder.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY)))
            throw std::runtime_error("cannot create " + folder);
    }
    // The file's content; nothing when it cannot be read.
    std::optional<std::string> read(const std::string& relative) const {
        const std::string file = *this / relative;
        HANDLE h =
            CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string content(GetFileSize(h, nullptr), '\0');
        DWORD got = 0;
        const bool ok = ReadFile(h, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
        CloseHandle(h);
        if (!ok) return std::nullopt;
        content.resize(got);
        return content;
    }
    DWORD attributes(const std::string& relative) const {
        return GetFileAttributesA((*this / relative).c_str());
    }
    // Every name in the folder, for spotting a staged file left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : fs::directory_iterator(m_path))
            result.push_back(entry.path().filename().string());
        return result;
    }

  private:
    std::string m_path;
};

// --- Directory search -------------------------------------------------------

struct Listed {
    std::string name;
    unsigned attributes;
    bool operator==(const Listed&) const = default;
};

void PrintTo(const Listed& e, std::ostream* os) {
    *os << e.name << "/0x" << std::hex << e.attributes;
}

std::vector<Listed> listed(const std::vector<FindEntry>& entries) {
    std::vector<Listed> result;
    for (const auto& e : entries)
        result.push_back({e.name, e.attributes});
    return result;
}

// An Envfiles folder with entries that carry every attribute the filters judge.
class DirectorySearchWin : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.mkdir("Envfiles");
        dir.write("Envfiles\\rain.env", "r");
        dir.write("Envfiles\\!rain.env", "!"); // "!" sorts before "."
        dir.write("Envfiles\\Heavy_Rain.env", "h");
        dir.write("Envfiles\\winter.ENV", "w");
        dir.write("Envfiles\\readme", "no dot");
        dir.write("Envfiles\\hidden_rain.env", "x", FILE_ATTRIBUTE_HIDDEN);
        dir.write("Envfiles\\system_rain.env", "x", FILE_ATTRIBUTE_SYSTEM);
        dir.write("Envfiles\\locked_rain.env", "x", FILE_ATTRIBUTE_READONLY);
        dir.mkdir("Envfiles\\Textures");
        dir.mkdir("Envfiles\\HiddenDir", FILE_ATTRIBUTE_HIDDEN);
    }
    std::string in(const std::string& pattern) const { return dir / ("Envfiles\\" + pattern); }
    TempFolder dir;
};

TEST_F(DirectorySearchWin, PatternsAndAttributeFiltersGiveOneSortedListing) {
    constexpr unsigned file = Archive;
    constexpr unsigned folder = Directory;
    struct Case {
        const char* pattern;
        unsigned filter;
        std::vector<Listed> expected;
    };
    const Case cases[] = {
        {"*",
         FoldersAndFiles,
         {{".", folder},
          {"..", folder},
          {"!rain.env", file},
          {"Heavy_Rain.env", file},
          {"locked_rain.env", file | ReadOnly},
          {"rain.env", file},
          {"readme", file},
          {"Textures", folder},
          {"winter.ENV", file}}},
        {"*.env",
         AnyFile,
         {{"!rain.env", file},
          {"Heavy_Rain.env", file},
          {"hidden_rain.env", file | Hidden},
          {"locked_rain.env", file | ReadOnly},
          {"rain.env", file},
          {"system_rain.env", file | SysFile},
          {"winter.ENV", file}}},
        {"*rain*",
         FoldersAndFiles,
         {{"!rain.env", file},
          {"Heavy_Rain.env", file},
          {"locked_rain.env", file | ReadOnly},
          {"rain.env", file}}},
        {"????.env", AnyFile, {{"rain.env", file}}},
        {"readme.*", AnyFile, {{"readme", file}}},
        {"HEAVY_RAIN.ENV", AnyFile, {{"Heavy_Rain.env", file}}},
        {"HiddenDir", FoldersAndFiles, {}},
        {"HiddenDir", Directory | Hidden, {{"HiddenDir", folder | Hidden}}},
        {"textures", AnyFile, {}},
        {"textures", FoldersAndFiles, {{"Textures", folder}}},
        {"system_rain.env", FoldersAndFiles, {}},
        {"nothing*.env", AnyFile, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " filter " + std::to_string(c.filter));
        EXPECT_EQ(listed(findFiles(in(c.pattern), c.filter)), c.expected);
    }
}

TEST_F(DirectorySearchWin, PathsThatNameNoFolderGiveNothing) {
    const std::string cases[] = {
        "", dir / "Missing\\*", dir / "Envfiles\\", dir / "Envfiles\\rain.env\\*", std::string("\0*", 2),
    };
    for (const std::string& pattern : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_TRUE(findFiles(pattern, AnyFile | Directory).empty());
    }
}

TEST_F(DirectorySearchWin, SlashesAndDotsAreLeftToWindows) {
    const std::string pattern = dir.path() + "/Envfiles/../Envfiles//rain.env";
    EXPECT_EQ(listed(findFiles(pattern, AnyFile)), (std::vector<Listed>{{"rain.env", Archive}}));
}

TEST_F(DirectorySearchWin, ExistsAppliesTheSameFilter) {
    struct Case {
        const char* path;
        unsigned filter;
        bool expected;
    };
    const Case cases[] = {
        {"rain.env", AnyFile, true},        {"RAIN.ENV", FoldersAndFiles, true},
        {"hidden_rain.env", AnyFile, true}, {"hidden_rain.env", FoldersAndFiles, false},
        {"Textures", AnyFile, false},       {"Textures", FoldersAndFiles, true},
        {"missing.env", AnyFile, false},    {"*.env", AnyFile, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " filter " + std::to_string(c.filter));
        EXPECT_EQ(exists(in(c.path), c.filter), c.expected);
    }
}

// --- Copy, delete, create a folder -------------------------------------------

bool leftAStagedFile(const TempFolder& dir) {
    for (const std::string& name : dir.names())
        if (name.starts_with(".brontara-")) return true;
    return false;
}

TEST(FileOperationsWin, CopySucceedsOrFailsAsCopyFileDoes) {
    enum class Target { None, Normal, ReadOnly, Hidden, Folder };
    struct Case {
        const char* name;
        const char* source;
        Target target;
        bool failIfExists;
        bool succeeds;
    };
    const Case cases[] = {
        {"new file", "storm.env", Target::None, true, true},
        {"new file, replace allowed", "storm.env", Target::None, false, true},
        {"existing file kept", "storm.env", Target::Normal, true, false},
        {"existing file replaced", "storm.env", Target::Normal, false, true},
        {"read-only file is never replaced", "storm.env", Target::ReadOnly, false, false},
        {"hidden file is never replaced", "storm.env", Target::Hidden, false, false},
        {"folder is never replaced", "storm.env", Target::Folder, false, false},
        {"missing source", "missing.env", Target::None, false, false},
        {"folder as source", "Folder", Target::None, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        dir.write("storm.env", "storm");
        dir.mkdir("Folder");
        switch (c.target) {
        case Target::None:
            break;
        case Target::Normal:
            dir.write("rain.env", "original");
            break;
        case Target::ReadOnly:
            dir.write("rain.env", "original", FILE_ATTRIBUTE_READONLY);
            break;
        case Target::Hidden:
            dir.write("rain.env", "original", FILE_ATTRIBUTE_HIDDEN);
            break;
        case Target::Folder:
            dir.mkdir("rain.env");
            break;
        }
        const auto before = dir.read("rain.env");

        EXPECT_EQ(copyFile(dir / c.source, dir / "rain.env", c.failIfExists), c.succeeds);
        EXPECT_EQ(dir.read("rain.env"), c.succeeds ? std::optional<std::string>("storm") : before);
        EXPECT_FALSE(leftAStagedFile(dir));
    }
}

TEST(FileOperationsWin, CopyCarriesTheSourceAttributes) {
    TempFolder dir;
    dir.write("locked.env", "locked", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(copyFile(dir / "locked.env", dir / "copy.env", true));
    EXPECT_EQ(dir.read("copy.env"), "locked");
    EXPECT_NE(dir.attributes("copy.env") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_FALSE(leftAStagedFile(dir));
}

TEST(FileOperationsWin, CopyIntoAMissingFolderFails) {
    TempFolder dir;
    dir.write("storm.env", "storm");
    EXPECT_FALSE(copyFile(dir / "storm.env", dir / "Missing\\rain.env", false));
    EXPECT_FALSE(copyFile(dir / "storm.env", "", false));
    EXPECT_FALSE(copyFile(dir / "storm.env", dir / "Folder\\", false));
}

// --- Why a file cannot be changed, told beforehand -----------------------------

// The system's words for an error, found here apart from the backend's own lookup.
std::string systemWords(DWORD error) {
    wchar_t buffer[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, buffer, 512,
                   nullptr);
    std::wstring text = buffer;
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return win::narrow(text);
}

TEST(FileAccessWin, RefusalsGiveTheSystemsOwnWords) {
    TempFolder dir;
    dir.write("locked.env", "locked", FILE_ATTRIBUTE_READONLY);
    dir.write("held.sms", "held");
    dir.mkdir("Textures");
    // The simulator holds a file it reads without sharing it.
    HANDLE held = CreateFileW(win::wide(dir / "held.sms").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Case {
        const char* name;
        std::string path;
        Access access;
        DWORD error; // 0: no refusal
        bool notAFile;
    };
    const Case cases[] = {
        {"folder takes a file", dir / "Textures", Access::AddFile, 0, false},
        {"read-only file", dir / "locked.env", Access::Replace, ERROR_ACCESS_DENIED, false},
        {"file held open", dir / "held.sms", Access::Replace, ERROR_SHARING_VIOLATION, false},
        {"missing file", dir / "missing.env", Access::Read, ERROR_FILE_NOT_FOUND, false},
        {"folder as a file", dir / "Textures", Access::Read, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto refusal = whyRefused(c.path, c.access);
        ASSERT_EQ(refusal.has_value(), c.error || c.notAFile) << (refusal ? refusal->reason : "");
        if (!refusal) continue;
        EXPECT_EQ(refusal->notAFile, c.notAFile);
        if (c.error) {
            EXPECT_EQ(refusal->reason, systemWords(c.error));
        }
        // The read-only attribute binds an administrator as well: no rights would help.
        EXPECT_FALSE(refusal->accessDenied);
    }
    CloseHandle(held);
    EXPECT_EQ(dir.names().size(), 3u) << "a look left a file behind";
}

TEST(FileOperationsWin, DeleteRemovesOneWritableFileOnly) {
    struct Case {
        const char* name;
        bool succeeds;
    };
    const Case cases[] = {
        {"plain.env", true},   {"hidden.env", true},
        {"locked.env", false}, // Windows refuses to delete a read-only file
        {"Folder", false},     {"missing.env", false},
    };
    TempFolder dir;
    dir.write("plain.env", "p");
    dir.write("hidden.env", "h", FILE_ATTRIBUTE_HIDDEN);
    dir.write("locked.env", "l", FILE_ATTRIBUTE_READONLY);
    dir.mkdir("Folder");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool existed = dir.attributes(c.name) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(deleteFile(dir / c.name), c.succeeds);
        EXPECT_EQ(dir.attributes(c.name) != INVALID_FILE_ATTRIBUTES, existed && !c.succeeds);
    }
    EXPECT_FALSE(deleteFile(""));
}

TEST(FileOperationsWin, CreateDirectoryMakesOneLevel) {
    TempFolder dir;
    dir.mkdir("Dump");
    struct Case {
        std::string path;
        bool succeeds;
    };
    const Case cases[] = {
        {dir / "Dump\\back_up", true},
        {dir / "Dump\\back_up", false},    // exists now
        {dir / "DUMP\\BACK_UP", false},    // the same folder
        {dir / "Missing\\back_up", false}, // one level only
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(createDirectory(c.path), c.succeeds);
    }
    EXPECT_NE(dir.attributes("Dump\\back_up") & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(dir.attributes("Missing"), INVALID_FILE_ATTRIBUTES);
}

// --- Replacing a file (the INI writer's way of writing) ----------------------

TEST(ReplaceFileWin, WritesWhollyOrNotAtAll) {
    enum class Target { None, Normal, Hidden, ReadOnly, Folder };
    using detail::IfExists;
    struct Case {
        const char* name;
        Target target;
        IfExists ifExists;
        bool fillSucceeds;
        bool succeeds;
    };
    const Case cases[] = {
        {"new file", Target::None, IfExists::Replace, true, true},
        {"new file, must not exist", Target::None, IfExists::Fail, true, true},
        {"replaced", Target::Normal, IfExists::Replace, true, true},
        {"hidden file replaced", Target::Hidden, IfExists::Replace, true, true},
        {"existing file kept", Target::Normal, IfExists::Fail, true, false},
        {"read-only file", Target::ReadOnly, IfExists::Replace, true, false},
        {"folder", Target::Folder, IfExists::Replace, true, false},
        {"abandoned write", Target::Normal, IfExists::Replace, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        if (c.target == Target::Folder)
            dir.mkdir("All_dat.ini");
        else if (c.target != Target::None)
            dir.write("All_dat.ini", "old",
                      c.target == Target::Hidden     ? FILE_ATTRIBUTE_HIDDEN
                      : c.target == Target::ReadOnly ? FILE_ATTRIBUTE_READONLY
                                                     : 0);
        const auto before = dir.read("All_dat.ini");

        const bool ok = detail::replaceFile(
            dir / "All_dat.ini", c.ifExists, std::nullopt,
            [&](const detail::ContentSink& put) { return put("new ") && put("content") && c.fillSucceeds; });
        EXPECT_EQ(ok, c.succeeds);
        EXPECT_EQ(dir.read("All_dat.ini"), c.succeeds ? std::optional<std::string>("new content") : before);
        if (c.target == Target::Hidden) {
            EXPECT_NE(dir.attributes("All_dat.ini") & FILE_ATTRIBUTE_HIDDEN, 0u);
        }
        EXPECT_FALSE(leftAStagedFile(dir));
    }
}

TEST(ReplaceFileWin, IniWriteGoesThroughAndRefusesAReadOnlyFile) {
    TempFolder dir;
    const std::string ini = dir / "All_dat.ini";
    ini::writeString(ini, "Storm", "Route", "Zonnedal");
    EXPECT_EQ(dir.read("All_dat.ini"), "[Storm]\r\nRoute=Zonnedal\r\n");
    EXPECT_EQ(ini::readString(ini, "storm", "ROUTE", "none"), "Zonnedal");

    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        ini::writeString(ini, "Storm", "Route", "Heuvelland");
        ADD_FAILURE() << "a read-only settings file was written";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + platform::shownPath(ini));
    }
    EXPECT_EQ(dir.read("All_dat.ini"), "[Storm]\r\nRoute=Zonnedal\r\n");
    EXPECT_THROW(ini::writeString(dir / "Missing\\All_dat.ini", "Storm", "Route", "x"), AppError);
}

// --- Paths and the executable ------------------------------------------------

TEST(PathWin, TextIsAlreadyAHostPath) {
    struct Case {
        std::string text;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"C:\\MSTS\\Routes\\", "C:\\MSTS\\Routes\\"},
        {"c:/msts//Routes", "c:/msts//Routes"}, // Windows resolves these itself
        {"Dump\\back_up", "Dump\\back_up"},
        {std::string("C:\\MSTS\0\\junk", 12), "C:\\MSTS"},
        {"", std::nullopt},
        {std::string("\0C:", 3), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toHostPath(c.text), c.expected);
    }
}

TEST(PathWin, ThereIsNoWinePrefixEvenWhenTheVariableIsSet) {
    ASSERT_EQ(_putenv_s("WINEPREFIX", "C:\\prefix"), 0);
    EXPECT_EQ(winePrefix(), "");
    _putenv_s("WINEPREFIX", ""); // removes it again
}

TEST(ProcessWin, ExecutablePathNamesThisTestProgram) {
    const std::string path = executablePath();
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path.substr(1, 2), ":\\") << path;
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    EXPECT_EQ(_stricmp(name.c_str(), BRONTARA_TEST_PROGRAM_NAME), 0) << path;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path;
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// --- The single-instance claim -----------------------------------------------

TEST(SingleInstanceWin, SecondClaimFailsUntilTheFirstIsReleased) {
    const std::string name = "Brontara test claim " + uniqueSuffix();
    auto first = InstanceClaim::tryClaim(name);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(InstanceClaim::tryClaim(name), nullptr);
    EXPECT_NE(InstanceClaim::tryClaim(name + " other"), nullptr);
    first.reset();
    EXPECT_NE(InstanceClaim::tryClaim(name), nullptr);
}

TEST(SingleInstanceWin, NameThatCannotBeAMutexCannotBeClaimed) {
    // A backslash is reserved for the Global\ and Local\ namespaces.
    EXPECT_EQ(InstanceClaim::tryClaim("Brontara\\test\\" + uniqueSuffix()), nullptr);
}

class Process {
  public:
    explicit Process(const std::string& arguments) {
        char self[MAX_PATH + 1];
        const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
        std::string commandLine = "\"" + std::string(self, length) + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &m_info))
            throw std::runtime_error("cannot start " + commandLine);
        CloseHandle(m_info.hThread);
    }
    ~Process() {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 10000);
        CloseHandle(m_info.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    HANDLE handle() const { return m_info.hProcess; }

  private:
    PROCESS_INFORMATION m_info{};
};

// The other process is this test program started with --hold-claim (see main).
TEST(SingleInstanceWin, ClaimEndsWithTheProcessHoweverItEnds) {
    const std::string name = "Brontara test claim " + uniqueSuffix();
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, (name + " held").c_str());
    ASSERT_NE(held, nullptr);
    {
        Process holder("--hold-claim \"" + name + "\"");
        HANDLE waitFor[] = {held, holder.handle()};
        ASSERT_EQ(WaitForMultipleObjects(2, waitFor, FALSE, 60000), WAIT_OBJECT_0)
            << "the holder did not claim";
        EXPECT_EQ(InstanceClaim::tryClaim(name), nullptr);
        ASSERT_TRUE(TerminateProcess(holder.handle(), 9));
        ASSERT_EQ(WaitForSingleObject(holder.handle(), 10000), WAIT_OBJECT_0);
    }
    EXPECT_NE(InstanceClaim::tryClaim(name), nullptr);
    CloseHandle(held);
}

int holdClaim(const std::string& name) {
    auto claim = InstanceClaim::tryClaim(name);
    if (!claim) return 2;
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + " held").c_str());
    if (!held || !SetEvent(held)) return 3;
    Sleep(INFINITE);
    return 0;
}

// --- The registry -------------------------------------------------------------

// A key under HKLM\Software in one registry view, deleted again afterwards.
class TestKey {
  public:
    TestKey(const std::string& path, REGSAM view) : m_path(path), m_view(view) {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                            &m_key, nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot create HKLM\\" + path);
    }
    ~TestKey() {
        RegCloseKey(m_key);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, m_path.c_str(), m_view, 0);
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    void set(const std::string& name, DWORD type, const std::string& data) const {
        if (RegSetValueExA(m_key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
            throw std::runtime_error("cannot set " + name);
    }

  private:
    std::string m_path;
    REGSAM m_view;
    HKEY m_key = nullptr;
};

std::string testKeyPath() {
    return "Software\\Brontara test " + uniqueSuffix();
}

// Writing HKEY_LOCAL_MACHINE takes an administrator on Windows; under Wine
// it is always allowed.
class RegistryWin : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string probe = testKeyPath();
        HKEY key = nullptr;
        const LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, probe.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                            nullptr, &key, nullptr);
        if (result == ERROR_ACCESS_DENIED)
            GTEST_SKIP() << "writing HKEY_LOCAL_MACHINE needs an administrator";
        ASSERT_EQ(result, ERROR_SUCCESS);
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, probe.c_str());
    }
};

TEST_F(RegistryWin, TextValuesAreReadAndOtherTypesRefused) {
    const std::string path = testKeyPath();
    TestKey key(path, KEY_WOW64_32KEY);
    const std::string longText(5000, 'x');
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::optional<std::string> expected; // nothing: the type error
    };
    const Case cases[] = {
        {"EXE Path", REG_SZ, std::string("C:\\Program Files\\Microsoft Games\\Train Simulator\0", 50),
         "C:\\Program Files\\Microsoft Games\\Train Simulator"},
        {"Expand", REG_EXPAND_SZ, std::string("%ProgramFiles%\\MSTS\0", 20), "%ProgramFiles%\\MSTS"},
        {"No terminator", REG_SZ, "C:\\MSTS", "C:\\MSTS"},
        {"Inner NUL", REG_SZ, std::string("C:\\MSTS\0junk\0", 13), "C:\\MSTS"},
        {"Empty", REG_SZ, std::string(), ""},
        {"Long", REG_SZ, longText + '\0', longText},
        {"", REG_SZ, std::string("default\0", 8), "default"},
        {"Dword", REG_DWORD, std::string("\x01\0\0\0", 4), std::nullopt},
        {"Binary", REG_BINARY, "C:\\MSTS", std::nullopt},
        {"Multi", REG_MULTI_SZ, std::string("C:\\MSTS\0\0", 9), std::nullopt},
        {"Qword", REG_QWORD, std::string(8, '\0'), std::nullopt},
    };
    for (const Case& c : cases)
        key.set(c.name, c.type, c.data);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expected) {
            const RegistryText text = readLocalMachineText("\\" + path, c.name);
            EXPECT_TRUE(text.keyOpened);
            EXPECT_EQ(text.value, *c.expected);
        } else {
            try {
                readLocalMachineText("\\" + path, c.name);
                ADD_FAILURE() << "no type error";
            } catch (const AppError& e) {
                EXPECT_EQ(std::string(e.what()), "Invalid data type for '" + std::string(c.name) + "'");
            }
        }
    }
}

TEST_F(RegistryWin, MissingKeyOrValue) {
    const std::string path = testKeyPath();
    TestKey key(path, KEY_WOW64_32KEY);
    struct Case {
        std::string key, value;
        bool keyOpened;
    };
    const Case cases[] = {
        {"\\" + path, "EXE Path", true}, // the key is there, the value is not
        {path, "EXE Path", true},        // without the leading backslash
        {"\\" + path + "\\Missing", "EXE Path", false},
        {"\\Software\\Brontara missing " + uniqueSuffix(), "EXE Path", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const RegistryText text = readLocalMachineText(c.key, c.value);
        EXPECT_EQ(text.keyOpened, c.keyOpened);
        EXPECT_EQ(text.value, "");
    }
}

TEST_F(RegistryWin, ThirtyTwoBitViewComesFirst) {
    struct Case {
        const char* name;
        bool in32, in64;
        std::string expected;
    };
    const Case cases[] = {
        {"only in the 32-bit view", true, false, "32"},
        {"only in the 64-bit view", false, true, "64"},
        {"in both", true, true, "32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = testKeyPath();
        std::optional<TestKey> key32, key64;
        if (c.in32) key32.emplace(path, KEY_WOW64_32KEY).set("EXE Path", REG_SZ, std::string("32\0", 3));
        if (c.in64) key64.emplace(path, KEY_WOW64_64KEY).set("EXE Path", REG_SZ, std::string("64\0", 3));
        const RegistryText text = readLocalMachineText("\\" + path, "EXE Path");
        EXPECT_TRUE(text.keyOpened);
        EXPECT_EQ(text.value, c.expected);
    }
}

// --- Another program's window -------------------------------------------------

// A top-level window of this process that counts the close requests it gets.
class TestWindow {
  public:
    explicit TestWindow(const std::string& title) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &TestWindow::procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "BrontaraTestWindow";
        RegisterClassA(&windowClass); // fails harmlessly when registered already
        m_window = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                   200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        if (!m_window) throw std::runtime_error("cannot create a window");
    }
    ~TestWindow() {
        if (IsWindow(m_window)) DestroyWindow(m_window);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    WindowId id() const { return reinterpret_cast<std::uintptr_t>(m_window); }
    bool alive() const { return IsWindow(m_window) != 0; }
    static int closeRequests;
    // Handles what is queued, as the other program's message loop would.
    static void pumpMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_CLOSE) ++closeRequests;
        return DefWindowProcA(window, message, w, l); // WM_CLOSE: destroys the window
    }
    HWND m_window = nullptr;
};
int TestWindow::closeRequests = 0;

TEST(WindowFinderWin, FindsATitleWithoutRegardToCase) {
    const std::string title = "Brontara Test Window " + uniqueSuffix();
    TestWindow window(title);
    std::string upper = title, lower = title;
    for (char& ch : upper)
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    for (char& ch : lower)
        ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    struct Case {
        std::string title;
        bool found;
    };
    const Case cases[] = {
        {title, true},
        {upper, true},
        {lower, true},
        {title + std::string(1, '\0') + "junk", true},
        {title.substr(0, title.size() - 1), false}, // no prefix matching
        {title + " ", false},
        {"Brontara no such window " + uniqueSuffix(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(findTopLevelWindow(c.title), c.found ? window.id() : WindowId{0});
    }
}

TEST(WindowFinderWin, CloseRequestReachesTheWindow) {
    TestWindow window("Brontara Test Window " + uniqueSuffix());
    TestWindow::closeRequests = 0;
    ASSERT_TRUE(postCloseRequest(window.id()));
    EXPECT_TRUE(window.alive()) << "the request must not be handled before the window's own loop runs";
    TestWindow::pumpMessages();
    EXPECT_EQ(TestWindow::closeRequests, 1);
    EXPECT_FALSE(window.alive());
    EXPECT_FALSE(postCloseRequest(window.id())) << "a closed window takes no more requests";
    EXPECT_FALSE(postCloseRequest(0));
    TestWindow::pumpMessages();
    EXPECT_EQ(TestWindow::closeRequests, 1);
}

// The reason on Windows' shutdown screen. Wine keeps none and says so; then
// only the refusals without a window or a reason are checked.
TEST(SessionEndBlockWin, TheReasonIsGivenAndTakenBack) {
    EXPECT_FALSE(blockSessionEnd(0, "Niet afsluiten"));
    EXPECT_FALSE(unblockSessionEnd(0));
    TestWindow window("Brontara Test Window " + uniqueSuffix());
    EXPECT_FALSE(blockSessionEnd(window.id(), "")) << "an empty text is no reason";
    const std::string reason =
        "Het programma kan niet worden afgesloten voordat de bestanden weer zijn hersteld: \u00fc";
    SetLastError(0);
    const bool given = blockSessionEnd(window.id(), reason);
    if (!given && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
        GTEST_SKIP() << "this system (Wine) keeps no shutdown-block reason";
    ASSERT_TRUE(given);
    const HWND handle = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window.id()));
    wchar_t text[MAX_STR_BLOCKREASON];
    DWORD length = MAX_STR_BLOCKREASON;
    ASSERT_TRUE(ShutdownBlockReasonQuery(handle, text, &length));
    EXPECT_EQ(win::narrow(text), reason);
    EXPECT_TRUE(unblockSessionEnd(window.id()));
    length = MAX_STR_BLOCKREASON;
    EXPECT_FALSE(ShutdownBlockReasonQuery(handle, text, &length)) << "the reason was taken back";
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--hold-claim") return holdClaim(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
