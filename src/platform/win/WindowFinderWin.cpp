// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFinder.h"
#include "platform/win/WideText.h"

#include <cstdint>
#include <windows.h>

namespace platform {

WindowId findTopLevelWindow(std::string_view title) {
    // FindWindow compares titles without regard to case itself; the title
    // ends at a NUL character, as any text given to the Windows API does.
    const std::wstring text = win::wide(title.substr(0, title.find('\0')));
    if (text.empty()) return 0; // no title, or one that is not UTF-8
    return reinterpret_cast<std::uintptr_t>(FindWindowW(nullptr, text.c_str()));
}

bool postCloseRequest(WindowId window) {
    // PostMessage to no window would post to our own thread's queue instead.
    if (window == 0) return false;
    return PostMessageW(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)), WM_CLOSE, 0, 0) != 0;
}

} // namespace platform
