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

} // namespace platform
