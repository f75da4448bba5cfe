// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include "platform/Path.h"
#include "platform/win/WideText.h"

#include <windows.h>
// after windows.h, whose declarations it needs
#include <shlobj.h>

namespace platform {

std::string userDataFolder() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path)) && path)
        folder = win::narrow(path);
    CoTaskMemFree(path);
    return folder.empty() ? folder : folder + "\\Brontara\\";
}

bool folderIsWritable(std::string_view windowsPath) {
    // The access rules of a folder are best learnt by trying: a file that is
    // created new and goes away when its handle closes.
    const auto host = toHostPath(windowsPath);
    if (!host || host->empty()) return false;
    std::string probe = *host;
    if (probe.back() != '\\' && probe.back() != '/') probe += '\\';
    probe += ".brontara-write-test-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    const std::wstring name = win::wide(probe);
    if (name.empty()) return false;
    const HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace platform
