// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace platform {
class Platform;
}

// Simulator folders in the Wine prefixes other than the one in force, as
// host paths: in each prefix the folder its registry entry names, else the
// simulator's default folder on drive C, when it holds train.exe. The most
// recently changed prefix comes first. Empty on Windows.
std::vector<std::string> simulatorFoldersInOtherPrefixes(platform::Platform& platform);
