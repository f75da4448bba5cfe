// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace platform {

// sameFileName and fileNameLess are declared in Path.h.

// Matches a file name against a search pattern as the Windows directory search
// does: "*" stands for any run of characters, "?" for exactly one character
// (one UTF-8 sequence where the name is valid UTF-8), every other character
// stands for itself without regard to ASCII letter case. "*" and "*.*" match
// every name, also one without a dot, and a pattern ending in ".*" also
// matches the name without that ending ("readme.*" finds "readme").
bool wildcardMatch(std::string_view pattern, std::string_view name);

// True when the text holds "*" or "?".
bool hasWildcards(std::string_view pattern);

// True when a name found in a folder can be the name of one entry on Windows:
// not empty, not "." or "..", and without "\", "/", ":" or a control
// character. Any other name (a Linux file system allows them) would, joined to
// a folder, lead somewhere else.
bool isSingleEntryName(std::string_view name);

// True when the name is one that the file operations give a file while it is
// being written (".brontara-<process>-<number>.tmp"): what a forced end left
// behind under such a name is Brontara's own and may go.
bool isTemporaryFileName(std::string_view name);

// True when the name is one of the devices Windows keeps in every folder
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$, CONOUT$), with or
// without an extension and in any letter case: opening it opens the device.
bool isReservedDeviceName(std::string_view name);

// True when Windows can hold the name as it is: a single entry name without
// any of " < > ? * |, not ending in a blank or a dot, and not a device name.
// Linux allows such names; the simulator, a Windows program, cannot use them.
bool isWindowsEntryName(std::string_view name);

} // namespace platform
