// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include "platform/FileAccess.h"
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
    // The access rules of a folder are best learnt by trying, as a storm's check does.
    return !whyRefused(windowsPath, Access::AddFile);
}

} // namespace platform
