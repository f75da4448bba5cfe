// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"
#include "platform/win/WideText.h"

#include <windows.h>

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

} // namespace platform
