// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionEndBlock.h"
#include "platform/win/WideText.h"

#include <cstdint>
#include <windows.h>

namespace platform {

namespace {

HWND handle(WindowId window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

} // namespace

bool blockSessionEnd(WindowId window, std::string_view reason) {
    // The reason ends at a NUL character, as any text given to the Windows API does.
    const std::wstring text = win::wide(reason.substr(0, reason.find('\0')));
    if (window == 0 || text.empty()) return false;
    return ShutdownBlockReasonCreate(handle(window), text.c_str()) != 0;
}

bool unblockSessionEnd(WindowId window) {
    if (window == 0) return false;
    return ShutdownBlockReasonDestroy(handle(window)) != 0;
}

} // namespace platform
