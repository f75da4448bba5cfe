// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Path.h"

#include "platform/TextEncoding.h"
#include "platform/WindowsPath.h"
#include <algorithm>

// On Windows the program's path texts are host paths already: the system
// itself treats "/" as "\", collapses repeated separators, resolves "." and
// ".." and ignores letter case, so nothing is rewritten here. The text must be
// UTF-8, as all the program's text is: other bytes name no path, rather than
// a path the system would read in the ANSI code page.
namespace platform {

std::optional<std::string> toHostPath(std::string_view windowsPath) {
    // The text ends at a NUL character, as it does for the Windows API.
    windowsPath = windowsPath.substr(0, windowsPath.find('\0'));
    if (windowsPath.empty() || !text::isValidUtf8(windowsPath)) return std::nullopt;
    return std::string(windowsPath);
}

std::string shownPath(std::string_view windowsPath) {
    std::string shown(windowsPath);
    std::replace(shown.begin(), shown.end(), '/', '\\');
    return shown;
}

std::filesystem::path fileSystemPath(const std::string& hostPath) {
    return std::filesystem::path(std::u8string(hostPath.begin(), hostPath.end()));
}

std::optional<std::string> toHostPath(const WindowsPath& path) {
    return path.text();
}

// There is no Wine prefix on Windows itself: the drives are real.
std::string winePrefix() {
    return {};
}

} // namespace platform
