// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"
#include "platform/win/WideText.h"

#include <windows.h>
// after windows.h, whose declarations it needs
#include <shellapi.h>

namespace platform {

void shellExecuteOpen(std::string_view target, int showMode) {
    const std::wstring wideTarget = win::wide(target);
    if (wideTarget.empty()) return; // nothing to open, or a text that is not UTF-8
    ShellExecuteW(nullptr, L"open", wideTarget.c_str(), nullptr, nullptr, showMode);
}

} // namespace platform
