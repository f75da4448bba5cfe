// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace platform {

// The folder where this user's own Brontara data lives, with a trailing
// separator: $XDG_DATA_HOME/brontara/ (by default ~/.local/share/brontara/) on
// Linux, %LOCALAPPDATA%\Brontara\ on Windows. It need not exist yet. Empty
// when the system names no such folder.
std::string userDataFolder();

// True when the program may create files in an existing folder: an installed
// program's own folder is not writable for the player who runs it.
bool folderIsWritable(std::string_view windowsPath);

} // namespace platform
