// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>

namespace storm {

// What a storm is made for: the simulator folder, the route, and the names of
// the files it replaces.
struct StormRecord {
    std::string simulatorFolder;
    std::string route;
    std::vector<std::string> rainEnvNames; // one to four names, in search order
    bool rainEnvByPattern = false;         // the names came from "*rain*.env", not "rain.env"
    std::array<std::string, 2> rainSoundNames{"rain_in.sms", "rain_ex.sms"};
    // On Windows, for a simulator under Program Files: the user's VirtualStore folder that holds the copies
    // older programs without administrator rights wrote into it, and that they (the simulator among them)
    // read in place of its own files. Empty when there is none.
    std::string virtualStoreFolder;
    bool routeInVirtualStore = false; // the route's folder exists only there, as such an installer left it

    bool operator==(const StormRecord&) const = default;
};

// The rain environment names a storm processes: every filled entry when they
// came from the pattern search, else the first alone.
std::vector<std::string> rainEnvNamesToProcess(const std::array<std::string, 4>& entries, bool byPattern);

} // namespace storm
