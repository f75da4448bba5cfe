// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace storm {

// True when a route text can name a folder inside the simulator's Routes
// folder and nothing else: not "." or "..", no separator, drive colon,
// wildcard, quote, angle bracket, bar or control character, and not made of
// full stops alone. Every path a storm forms appends the route to a folder,
// so any other text could reach outside Routes or the back-up folder.
bool isAcceptableRouteName(std::string_view route);

// The route folders in a Routes folder, in the order the file system lists
// them; files, "." and ".." are no routes, and nor is a folder whose name
// Windows cannot hold (the simulator cannot use it either).
std::vector<std::string> listRoutes(const std::string& routesFolder);

// True when the search for the path itself finds an entry under the filter
// that admits folders and normal files but nothing hidden or system.
bool envfilesEntryExists(const std::string& path);

struct RainEnvSearch {
    std::array<std::string, 4> names; // filled from the first entry up, as the search spells them
    bool byPattern = false;
    bool found() const { return !names[0].empty(); }
};

// Looks in a route's Envfiles folder (a path ending in a separator) for
// "rain.env", else for up to four "*rain*.env" files: files of any
// attributes, no folders, in the order the search returns them. A name that
// cannot be one file's name on Windows (such as "..\..\heavy_rain.env", which
// a badly unpacked archive leaves on Linux) is no rain file: joined to the
// folder it would lead out of it. Names that
// differ only in letter case (possible where the file system tells case
// apart) are taken once, the first as the search returns it, since they
// would share one back-up file.
RainEnvSearch findRainEnvFiles(const std::string& folder);

} // namespace storm
