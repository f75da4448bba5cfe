// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/VirtualStore.h"

#include "platform/Path.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

// The named parts of a Windows path: "/" counts as "\", empty parts are dropped.
std::vector<std::string_view> partsOf(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            if (i > start) parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

bool hasDrive(std::string_view path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

} // namespace

std::optional<std::string> virtualStoreCounterpart(std::string_view folder,
                                                   const std::vector<std::string>& protectedFolders,
                                                   std::string_view store) {
    if (!hasDrive(folder) || store.empty()) return std::nullopt;
    const auto parts = partsOf(folder);
    if (std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p == "." || p == ".."; }))
        return std::nullopt;
    const auto under = [&](const std::string& guarded) {
        const auto base = partsOf(guarded);
        return hasDrive(guarded) && base.size() >= 2 && base.size() <= parts.size() &&
               std::equal(base.begin(), base.end(), parts.begin(), sameFileName);
    };
    if (std::none_of(protectedFolders.begin(), protectedFolders.end(), under)) return std::nullopt;
    std::string copy(store);
    while (!copy.empty() && (copy.back() == '\\' || copy.back() == '/'))
        copy.pop_back();
    for (std::size_t i = 1; i < parts.size(); ++i) // the drive has no counterpart
        copy.append("\\").append(parts[i]);
    return copy;
}

} // namespace platform
