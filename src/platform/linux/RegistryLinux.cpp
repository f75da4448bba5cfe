// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"
#include "platform/Path.h"
#include "platform/Registry.h"
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

RegistryText readLocalMachineText(std::string_view key, std::string_view valueName) {
    const auto path = wine::splitKeyPath(key);
    const std::string prefix = winePrefix();
    if (!path || prefix.empty()) return {};
    // Wine keeps HKEY_LOCAL_MACHINE in system.reg, its names relative to that root.
    const std::string file = prefix + "/system.reg";
    const wine::FileHeader header = wine::readHeader(file);
    if (!header.valid) return {};
    const wine::FileLookup found = wine::lookUpValue(file, keysToTry(*path, header.win64), valueName);
    for (const wine::KeyLookup& candidate : found.keys) {
        if (!candidate.keyFound) continue;
        if (!candidate.value) return {true, {}};
        if (!candidate.value->isText())
            throw AppError("Invalid data type for '" + std::string(valueName) + "'");
        return {true, candidate.value->text};
    }
    return {};
}

} // namespace platform
