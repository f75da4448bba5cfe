// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VirtualStore.h"

#include "platform/win/WideText.h"

#include <windows.h>
// after windows.h, whose declarations it needs
#include <shlobj.h>

namespace platform {
namespace {

std::string knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string folder;
    // A folder this process cannot have (the 64-bit Program Files in a 32-bit one) fails: it is left out.
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)) && path) folder = win::narrow(path);
    CoTaskMemFree(path);
    return folder;
}

// The folder under its long names: the store keeps copies only under those.
std::string longName(std::string_view folder) {
    const std::wstring wide = win::wide(folder);
    if (wide.empty()) return std::string(folder);
    const DWORD size = GetLongPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) return std::string(folder);
    std::wstring full(size, L'\0');
    const DWORD length = GetLongPathNameW(wide.c_str(), full.data(), size);
    if (length == 0 || length >= size) return std::string(folder);
    full.resize(length);
    return win::narrow(full);
}

} // namespace

std::optional<std::string> virtualStoreFolder(std::string_view resolvedFolder) {
    const std::string localAppData = knownFolder(FOLDERID_LocalAppData);
    if (localAppData.empty()) return std::nullopt;
    std::vector<std::string> guarded;
    for (const KNOWNFOLDERID* id :
         {&FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86, &FOLDERID_ProgramFilesX64})
        if (std::string folder = knownFolder(*id); !folder.empty()) guarded.push_back(longName(folder));
    return virtualStoreCounterpart(longName(resolvedFolder), guarded, localAppData + "\\VirtualStore");
}

} // namespace platform
