// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace platform {

// What a program installed under Wine looks like in a prefix.
struct WinePrefixQuery {
    std::string registryKey;                 // under HKEY_LOCAL_MACHINE, both registry views
    std::string valueName;                   // a text value naming the program's folder
    std::vector<std::string> defaultFolders; // "C:\..." folders looked at when the registry names none
    std::function<bool(const std::string& hostFolder)> accepts; // the folder holds the program
};

// Folders that the Wine prefixes other than the one in force hold, as host
// paths that lead there without that prefix in force: in each prefix the
// registry's folder, else the first default folder, that `accepts` takes. The
// prefixes are the few that Wine, Bottles, Lutris, PlayOnLinux and Proton
// keep in known folders of the home folder; the most recently changed comes
// first. Prefixes that cannot be read, or look hostile, are left out without a
// word. Windows has no Wine prefixes: there the list is empty.
std::vector<std::string> findInOtherWinePrefixes(const WinePrefixQuery& query);

} // namespace platform
