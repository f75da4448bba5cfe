// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Maps a Windows-style path text, as the program builds it by joining text,
// to a path on this machine. Both "\" and "/" separate; repeated separators
// count as one; a leading single separator means the root; "X:" maps through
// the Wine prefix's dosdevices folder ("X:a" counts from the drive's root);
// "." and ".." are applied to the text first, as Windows does; other text is
// relative to the current folder. Every existing component is looked up
// exactly first, then without regard to letter case (of several such entries
// the first in NTFS order); a component that does not exist keeps the
// spelling given, and so do all after it. A trailing separator is kept.
// Returns nothing when the text cannot name a host path (a drive letter
// without a Wine prefix or that the prefix lacks, an empty text). The text
// ends at a NUL character.
std::optional<std::string> toHostPath(std::string_view windowsPath);

// A path as the system writes it, for the player to read in a box: the host
// path on Linux (one kind of separator), backslashes throughout on Windows.
// A text that names no host path is shown as it is.
std::string shownPath(std::string_view windowsPath);

// The host path as the standard library's file functions take it. The host
// path is UTF-8 on Windows (the library would read a plain char text in the
// ANSI code page) and the file system's own bytes on Linux.
std::filesystem::path fileSystemPath(const std::string& hostPath);

// The Wine prefix: $WINEPREFIX when set and not empty, else $HOME/.wine.
// Empty when neither is known.
std::string winePrefix();

// Compares two names as Windows compares file names: without regard to letter case.
bool sameFileName(std::string_view a, std::string_view b);

// Orders names as NTFS lists them: by name without regard to case (byte order breaks ties).
bool fileNameLess(std::string_view a, std::string_view b);

} // namespace platform
