// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Path.h"
#include "platform/WindowsPath.h"

// On Windows the program's path texts are host paths already: the system
// itself treats "/" as "\", collapses repeated separators, resolves "." and
// ".." and ignores letter case, so nothing is rewritten here.
namespace platform {

std::optional<std::string> toHostPath(std::string_view windowsPath) {
    // The text ends at a NUL character, as it does for the Windows API.
    windowsPath = windowsPath.substr(0, windowsPath.find('\0'));
    if (windowsPath.empty()) return std::nullopt;
    return std::string(windowsPath);
}

std::optional<std::string> toHostPath(const WindowsPath& path) {
    return path.text();
}

// There is no Wine prefix on Windows itself: the drives are real.
std::string winePrefix() {
    return {};
}

} // namespace platform
