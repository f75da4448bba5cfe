// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFinder.h"

#include <cstdint>
#include <string>
#include <windows.h>

namespace platform {

WindowId findTopLevelWindow(std::string_view title) {
    // FindWindowA compares titles without regard to case itself; the title
    // ends at a NUL character, as any text given to the Windows API does.
    const std::string text(title);
    return reinterpret_cast<std::uintptr_t>(FindWindowA(nullptr, text.c_str()));
}

bool postCloseRequest(WindowId window) {
    // PostMessage to no window would post to our own thread's queue instead.
    if (window == 0) return false;
    return PostMessageA(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), WM_CLOSE, 0, 0) != 0;
}

} // namespace platform
