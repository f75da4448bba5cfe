// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What stands in the way of a file operation.
struct Refusal {
    std::string reason;        // the system's own words ("Access is denied.", "Read-only file system")
    bool accessDenied = false; // missing rights, which an administrator would have
    bool notAFile = false;     // a folder, pipe, device or socket where a file belongs
};

enum class Access {
    Read,    // the whole file is read
    Replace, // the file is replaced by a new one with the same name
    AddFile, // a new file is created in this folder
};

// Why the operation would fail on this path, found without changing anything
// anyone can see and without ever blocking on a pipe or device; nothing when
// it would succeed as far as can be told beforehand. Replacing also needs the
// folder to take a new file, since a replacement is written beside the file
// first; a file that is not there is replaced by adding it to its folder.
std::optional<Refusal> whyRefused(std::string_view windowsPath, Access access);

// The system's words for the error of the last file operation that failed on this thread.
std::string lastErrorText();

} // namespace platform
