// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Windows gives a program from before Vista that writes into a folder only an
// administrator may change (the Program Files folders) a copy of its own in
// the user's VirtualStore, and from then on that program (the simulator among
// them) reads the copy in place of the real file. The copy of
// "C:\Program Files (x86)\Sim\a.txt" is "<store>\Program Files (x86)\Sim\a.txt".

// Where the store keeps what lies at or under `folder`, an absolute path with
// its drive, when it lies under one of the protected folders; names are
// compared without regard to case and component by component. Nothing when
// the folder is not protected or has a "." or ".." part.
std::optional<std::string> virtualStoreCounterpart(std::string_view folder,
                                                   const std::vector<std::string>& protectedFolders,
                                                   std::string_view store);

// This user's counterpart of a folder that resolvedPath gave: on Windows, under
// %LOCALAPPDATA%\VirtualStore for a folder inside a Program Files folder.
// Nothing on Linux: Wine keeps no VirtualStore.
std::optional<std::string> virtualStoreFolder(std::string_view resolvedFolder);

} // namespace platform
