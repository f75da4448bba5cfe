// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileAccess.h"
#include "platform/Path.h"
#include "platform/win/WideText.h"

#include <windows.h>

namespace platform {
namespace {

std::string systemText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) return "Error " + std::to_string(error);
    return win::narrow(text);
}

Refusal fromError(DWORD error) {
    return {systemText(error), error == ERROR_ACCESS_DENIED || error == ERROR_PRIVILEGE_NOT_HELD, false};
}

std::string folderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

// Opens with the access a replacement needs and lets everyone else share, so
// only a program that holds the file without sharing stands in the way.
std::optional<Refusal> opens(const std::string& path, DWORD access) {
    HANDLE file =
        CreateFileW(win::wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fromError(GetLastError());
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    if (!disk) return Refusal{"", false, true};
    return std::nullopt;
}

// A hidden file of ours that the system removes as it is closed.
std::optional<Refusal> takesNewFile(const std::string& folder) {
    const DWORD attributes = GetFileAttributesW(win::wide(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return fromError(GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return fromError(ERROR_DIRECTORY);
    const std::string probe = folder + "\\.brontara-" + std::to_string(GetCurrentProcessId()) + "-probe.tmp";
    HANDLE file =
        CreateFileW(win::wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fromError(GetLastError());
    CloseHandle(file);
    return std::nullopt;
}

} // namespace

std::optional<Refusal> whyRefused(std::string_view windowsPath, Access access) {
    const auto host = toHostPath(windowsPath);
    if (!host) return fromError(ERROR_INVALID_NAME);
    if (access == Access::AddFile) return takesNewFile(*host);

    // A device name ("CON", "\\.\pipe\x") has no file attributes a copy would accept.
    const DWORD attributes = GetFileAttributesW(win::wide(*host).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (access == Access::Replace && error == ERROR_FILE_NOT_FOUND) return takesNewFile(folderOf(*host));
        return fromError(error);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Refusal{"", false, true};
    if (access == Access::Read) return opens(*host, GENERIC_READ);
    // The copy refuses a read-only or hidden file, which no administrator changes.
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) {
        Refusal refusal = fromError(ERROR_ACCESS_DENIED);
        refusal.accessDenied = false;
        return refusal;
    }
    if (const auto refused = opens(*host, GENERIC_WRITE | DELETE)) return refused;
    return takesNewFile(folderOf(*host));
}

std::string lastErrorText() {
    return systemText(GetLastError());
}

} // namespace platform
