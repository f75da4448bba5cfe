// SPDX-License-Identifier: GPL-3.0-or-later
// Text at the Windows boundary: the program's UTF-8 names reach the system as
// UTF-16 through the wide-character functions, and come back unchanged. Also
// what a file that another program holds open does to the file operations.
#include "platform/FileSystem.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "platform/WindowFinder.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <windows.h>

namespace {

namespace fs = std::filesystem;
using namespace platform;

// "C:\Spellen\Treinsimulator ü" and "Français.lng", as the program holds them.
const std::string kSimulatorName = "Treinsimulator \xC3\xBC";
const std::wstring kSimulatorNameWide = L"Treinsimulator \u00FC";
const std::string kLanguageFile = "Fran\xC3\xA7"
                                  "ais.lng";
const std::wstring kLanguageFileWide = L"Fran\u00E7ais.lng";

std::string uniqueSuffix() {
    static unsigned counter = 0;
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::wstring wideAscii(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// A fresh folder under the temporary folder with a non-ASCII name, made and
// removed through the wide functions, so that the test does not depend on the
// code under test to set up or clean up.
class WideTempFolder {
  public:
    WideTempFolder() {
        wchar_t base[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, base);
        m_wide =
            std::wstring(base, length) + L"brontara-" + wideAscii(uniqueSuffix()) + L" " + kSimulatorNameWide;
        if (!CreateDirectoryW(m_wide.c_str(), nullptr)) throw std::runtime_error("cannot create a folder");
        const int size = WideCharToMultiByte(CP_UTF8, 0, m_wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        m_utf8.resize(size);
        WideCharToMultiByte(CP_UTF8, 0, m_wide.c_str(), -1, m_utf8.data(), size, nullptr, nullptr);
        m_utf8.resize(size - 1);
    }
    ~WideTempFolder() {
        std::error_code ec;
        fs::remove_all(fs::path(m_wide), ec);
    }
    WideTempFolder(const WideTempFolder&) = delete;
    WideTempFolder& operator=(const WideTempFolder&) = delete;

    std::string operator/(const std::string& relative) const { return m_utf8 + "\\" + relative; }
    std::wstring wide(const std::wstring& relative) const { return m_wide + L"\\" + relative; }

  private:
    std::wstring m_wide;
    std::string m_utf8;
};

bool existsWide(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(WindowsText, NonAsciiNamesReachTheSystemAsTheirCharacters) {
    WideTempFolder dir;
    ASSERT_TRUE(createDirectory(dir / "Languages"));
    const std::string file = dir / ("Languages\\" + kLanguageFile);
    ASSERT_TRUE(writeWholeFile(file,
                               "[Taal]\r\nNaam=Fran\xE7"
                               "ais\r\n",
                               false));
    EXPECT_TRUE(existsWide(dir.wide(L"Languages\\" + kLanguageFileWide)))
        << "the name on disk is the UTF-16 form of the UTF-8 text, not its bytes in the ANSI code page";

    const auto found = findFiles(dir / "Languages\\*.lng", AnyFile);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, kLanguageFile) << "a listed name comes back as UTF-8";
    EXPECT_TRUE(exists(file, AnyFile));
    EXPECT_EQ(readWholeFile(file), "[Taal]\r\nNaam=Fran\xE7"
                                   "ais\r\n");
    EXPECT_EQ(ini::readString(file, "Taal", "Naam", "-"), "Fran\xC3\xA7"
                                                          "ais")
        << "the INI code reads the file through the same names";

    const std::string copy = dir / ("Kopie " + kLanguageFile);
    ASSERT_TRUE(copyFile(file, copy, true));
    EXPECT_TRUE(sameContents(file, copy));
    const std::string moved = dir / ("\xC3\x9C"
                                     "berzetzung.lng");
    ASSERT_TRUE(moveEntry(copy, moved));
    EXPECT_TRUE(existsWide(dir.wide(L"\u00DCberzetzung.lng")));
    EXPECT_TRUE(deleteFile(moved));
    EXPECT_FALSE(existsWide(dir.wide(L"\u00DCberzetzung.lng")));

    ini::writeString(dir / "All_dat.ini", "Programma", "MSTSpad", "C:\\Spellen\\" + kSimulatorName);
    EXPECT_EQ(ini::readString(dir / "All_dat.ini", "Programma", "MSTSpad", ""),
              "C:\\Spellen\\" + kSimulatorName);
}

TEST(WindowsText, TextThatIsNotUtf8NamesNothing) {
    WideTempFolder dir;
    const std::string latin1 = dir / "Fran\xE7"
                                     "ais.lng"; // Windows-1252 bytes, not UTF-8
    EXPECT_FALSE(toHostPath(latin1));
    EXPECT_FALSE(writeWholeFile(latin1, "x", false));
    EXPECT_FALSE(createDirectory(latin1));
    EXPECT_TRUE(findFiles(dir / "*", AnyFile).empty()) << "nothing was created under another name";
    EXPECT_EQ(InstanceClaim::tryClaim("ZKT \xE9"), nullptr);
    EXPECT_EQ(findTopLevelWindow("\xFF"), WindowId{0});
}

// --- A file held open by another program (the simulator running) ---------------

// Opens a file the way a program does that lets nobody else read or write it.
class HeldOpen {
  public:
    explicit HeldOpen(const std::wstring& path)
        : m_handle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (m_handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold the file open");
    }
    ~HeldOpen() { CloseHandle(m_handle); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

  private:
    HANDLE m_handle;
};

std::optional<std::string> readUnheld(const WideTempFolder& dir, const std::string& name) {
    return readWholeFile(dir / name);
}

bool leftAStagedFile(const WideTempFolder& dir) {
    for (const auto& entry : findFiles(dir / "*", AnyFile))
        if (entry.name.starts_with(".brontara-")) return true;
    return false;
}

TEST(FileHeldOpenWin, EveryFileOperationOnItFailsAndChangesNothing) {
    WideTempFolder dir;
    ASSERT_TRUE(writeWholeFile(dir / "rain_in.sms", "original", false));
    ASSERT_TRUE(writeWholeFile(dir / "ZKT_rain_in.sms", "storm", false));
    {
        HeldOpen simulator(dir.wide(L"rain_in.sms"));
        EXPECT_FALSE(copyFile(dir / "ZKT_rain_in.sms", dir / "rain_in.sms", false)) << "replacing it";
        EXPECT_FALSE(copyFile(dir / "rain_in.sms", dir / "back_up.sms", true)) << "backing it up";
        EXPECT_FALSE(writeWholeFile(dir / "rain_in.sms", "storm", true));
        EXPECT_FALSE(deleteFile(dir / "rain_in.sms"));
        EXPECT_FALSE(readWholeFile(dir / "rain_in.sms"));
        EXPECT_FALSE(sameContents(dir / "rain_in.sms", dir / "rain_in.sms"));
        EXPECT_FALSE(exists(dir / "back_up.sms", AnyFile)) << "no partial back-up";
        EXPECT_FALSE(leftAStagedFile(dir));
    }
    EXPECT_EQ(readUnheld(dir, "rain_in.sms"), "original");
    EXPECT_EQ(readUnheld(dir, "ZKT_rain_in.sms"), "storm");
    EXPECT_TRUE(copyFile(dir / "ZKT_rain_in.sms", dir / "rain_in.sms", false)) << "once it is closed";
    EXPECT_EQ(readUnheld(dir, "rain_in.sms"), "storm");
}

// --- The registry, written by Windows' own reg.exe ------------------------------

// Runs a command line and returns its exit code; nothing when it cannot start.
std::optional<DWORD> run(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &info))
        return std::nullopt;
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return code;
}

TEST(RegistryByRegExe, TheSimulatorsEntryWrittenBy32BitInstallersIsRead) {
    const std::string suffix = uniqueSuffix();
    const std::wstring key = L"HKLM\\Software\\Brontara test " + wideAscii(suffix) + L"\\Train Simulator";
    const std::wstring value = L"C:\\Spellen\\" + kSimulatorNameWide;
    const auto added =
        run(L"reg.exe add \"" + key + L"\" /v \"EXE Path\" /t REG_SZ /d \"" + value + L"\" /f /reg:32");
    ASSERT_TRUE(added) << "reg.exe did not start";
    if (*added != 0) GTEST_SKIP() << "reg.exe could not write HKEY_LOCAL_MACHINE (needs an administrator)";

    const std::string path = "\\Software\\Brontara test " + suffix + "\\Train Simulator";
    const RegistryText text = readLocalMachineText(path, "EXE Path");
    EXPECT_TRUE(text.keyOpened);
    EXPECT_EQ(text.value, "C:\\Spellen\\" + kSimulatorName);
    EXPECT_FALSE(readLocalMachineText(path, "Ander").value.size());

    run(L"reg.exe delete \"HKLM\\Software\\Brontara test " + wideAscii(suffix) + L"\" /f /reg:32");
}

// --- Window titles ---------------------------------------------------------------

TEST(WindowFinderWin, FindsANonAsciiTitleWhoseLetterCaseDiffers) {
    const std::wstring title = L"Brontara \u00DCberpr\u00FCfung " + wideAscii(uniqueSuffix());
    HWND window = CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    std::wstring upper = title;
    CharUpperW(upper.data());
    const int size = WideCharToMultiByte(CP_UTF8, 0, upper.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, upper.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(size - 1);
    EXPECT_NE(utf8.find("\xC3\x9C"
                        "BERPR\xC3\x9C"
                        "FUNG"),
              std::string::npos)
        << "the letter case differs";
    EXPECT_EQ(findTopLevelWindow(utf8), reinterpret_cast<std::uintptr_t>(window));
    DestroyWindow(window);
}

} // namespace
