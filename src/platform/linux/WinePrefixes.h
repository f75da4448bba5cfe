// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/WindowsPath.h"
#include "platform/WinePrefixSearch.h"
#include "platform/linux/WineRegistry.h"

#include <optional>
#include <string>
#include <string_view>

// Wine prefixes on Linux: which one is in force, paths on their drives, their
// machine registry, and the search through the prefixes the home folder keeps.
namespace platform::wine {

// What decides where the prefixes are; tests give a temporary home folder.
struct Environment {
    std::string home;       // $HOME
    std::string winePrefix; // $WINEPREFIX
    static Environment ofProcess();
    // $WINEPREFIX when set and not empty, else ~/.wine; empty when neither is known.
    std::string prefixInForce() const;
};

// toHostPath for a path on a drive of `prefix` instead of the prefix in
// force; nothing for a path without a drive letter.
std::optional<std::string> toHostPathInPrefix(const WindowsPath& path, const std::string& prefix);

// A value of a key under HKEY_LOCAL_MACHINE in `prefix`'s system.reg, as
// readLocalMachineText looks it up (Registry.h), reading no more than
// `maxBytes` of the file. keyFound is false when no view holds the key.
KeyLookup lookUpMachineValue(const std::string& prefix, std::string_view key, std::string_view valueName,
                             std::uint64_t maxBytes);

// findInOtherWinePrefixes in the home folder and environment given.
std::vector<std::string> findInOtherPrefixes(const WinePrefixQuery& query, const Environment& environment);

} // namespace platform::wine
