// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"
#include "platform/Path.h"
#include "platform/Registry.h"
#include "platform/linux/WinePrefixes.h"
#include "platform/linux/WineRegistry.h"

#include <vector>

namespace platform {
namespace {

// A 32-bit program on 64-bit Windows that opens HKLM\Software\X is sent to
// HKLM\Software\Wow6432Node\X, and that is where 32-bit installers (the
// simulator's among them) wrote their entries. So in a 64-bit prefix the
// 32-bit view is tried first; the plain key still counts when it is the only
// one there, as after an import with the 64-bit regedit.
std::vector<std::vector<std::string>> keysToTry(const std::vector<std::string>& path, bool win64) {
    std::vector<std::vector<std::string>> keys;
    const bool underSoftware = wine::sameRegistryName(path.front(), "Software");
    const bool alreadyRedirected = path.size() > 1 && wine::sameRegistryName(path[1], "Wow6432Node");
    if (win64 && underSoftware && !alreadyRedirected) {
        std::vector<std::string> redirected = path;
        redirected.insert(redirected.begin() + 1, "Wow6432Node");
        keys.push_back(std::move(redirected));
    }
    keys.push_back(path);
    return keys;
}

} // namespace

wine::KeyLookup wine::lookUpMachineValue(const std::string& prefix, std::string_view key,
                                         std::string_view valueName, std::uint64_t maxBytes) {
    const auto path = splitKeyPath(key);
    if (!path || prefix.empty()) return {};
    // Wine keeps HKEY_LOCAL_MACHINE in system.reg, its names relative to that root.
    const std::string file = prefix + "/system.reg";
    const FileHeader header = readHeader(file, maxBytes);
    if (!header.valid) return {};
    FileLookup found = lookUpValue(file, keysToTry(*path, header.win64), valueName, maxBytes);
    for (KeyLookup& candidate : found.keys)
        if (candidate.keyFound) return std::move(candidate);
    return {};
}

RegistryText readLocalMachineText(std::string_view key, std::string_view valueName) {
    const wine::KeyLookup found = wine::lookUpMachineValue(winePrefix(), key, valueName, wine::kWholeFile);
    if (!found.keyFound) return {};
    if (!found.value) return {true, {}};
    if (!found.value->isText()) throw AppError("Invalid data type for '" + std::string(valueName) + "'");
    return {true, found.value->text};
}

} // namespace platform
