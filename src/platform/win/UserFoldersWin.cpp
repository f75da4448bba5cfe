// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include "platform/Path.h"

#include <shlobj.h>
#include <windows.h>

// Paths here are in the same code page as every other path of the Windows
// backend, which uses the system's "A" functions.
namespace platform {

std::string userDataFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)) || !path[0])
        return {};
    return std::string(path) + "\\Brontara\\";
}

bool folderIsWritable(std::string_view windowsPath) {
    // The access rules of a folder are best learnt by trying: a file that is
    // created new and goes away when its handle closes.
    const auto host = toHostPath(windowsPath);
    if (!host) return false;
    std::string probe = *host;
    if (probe.back() != '\\' && probe.back() != '/') probe += '\\';
    probe += ".brontara-write-test-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    const HANDLE file =
        CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace platform
