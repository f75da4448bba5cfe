// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/RouteInspection.h"

#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <algorithm>

namespace storm {

bool isAcceptableRouteName(std::string_view route) {
    if (route.empty()) return false;
    if (std::all_of(route.begin(), route.end(), [](char c) { return c == '.'; })) return false;
    constexpr std::string_view refused = "\\/:*?\"<>|";
    return std::none_of(route.begin(), route.end(), [&](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || refused.find(c) != std::string_view::npos;
    });
}

std::vector<std::string> listRoutes(const std::string& routesFolder) {
    std::vector<std::string> routes;
    for (const auto& entry : platform::findFiles(routesFolder + "\\*.*", platform::FoldersAndFiles)) {
        if (entry.isDirectory() && platform::isWindowsEntryName(entry.name)) routes.push_back(entry.name);
    }
    return routes;
}

bool envfilesEntryExists(const std::string& path) {
    return platform::exists(path, platform::FoldersAndFiles);
}

RainEnvSearch findRainEnvFiles(const std::string& folder) {
    RainEnvSearch result;
    const auto exact = platform::findFiles(folder + "rain.env", platform::AnyFile);
    if (!exact.empty() && platform::isSingleEntryName(exact.front().name)) {
        result.names[0] = exact.front().name;
        return result;
    }
    std::size_t filled = 0;
    for (const auto& entry : platform::findFiles(folder + "*rain*.env", platform::AnyFile)) {
        if (filled == result.names.size()) break;
        if (!platform::isSingleEntryName(entry.name)) continue;
        const bool seen =
            std::any_of(result.names.begin(), result.names.begin() + filled,
                        [&](const std::string& n) { return platform::sameFileName(n, entry.name); });
        if (!seen) result.names[filled++] = entry.name;
    }
    result.byPattern = filled > 0;
    return result;
}

} // namespace storm
