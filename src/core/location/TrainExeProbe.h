// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// Where the simulator's registry entry is, and the folder proposed without one.
inline constexpr const char* kSimulatorRegistryKey =
    "\\Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0\\";
inline constexpr const char* kExePathValue = "EXE Path";
inline constexpr const char* kDefaultSimulatorFolder = "C:\\Program Files\\Microsoft Games\\Train Simulator";

// The file a simulator folder must hold, joined as plain text: a folder typed
// with a trailing backslash gives two backslashes, which name one separator.
std::string trainExePathIn(const std::string& folder);

// True when exactly this path names a file: hidden and system files count, a
// folder of that name does not. A path with a control character is never
// found: Windows cannot hold such a name, and a line break must not reach the
// settings file.
bool trainExeFoundAt(const std::string& path);
