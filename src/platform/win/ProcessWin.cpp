// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"
#include "platform/win/WideText.h"

#include <windows.h>
// after windows.h, whose declarations it needs
#include <shellapi.h>

namespace platform {

std::string executablePath() {
    // A path may be longer than MAX_PATH; a full buffer means it was cut.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return win::narrow(buffer);
        }
        if (buffer.size() >= 32768) // the longest path Windows has
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

bool mayStartAsAdministrator() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != 0;
    CloseHandle(token);
    return known && elevation.TokenIsElevated == 0;
}

bool startAsAdministrator(const std::string& executable) {
    const std::wstring file = win::wide(executable);
    if (file.empty()) return false;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    // False too when the player answers No to the system's prompt (ERROR_CANCELLED).
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace platform
