// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <sys/stat.h>

namespace platform::detail {

// Opens a regular file for reading and returns its descriptor, or -1 with
// errno set. A named pipe, a device or a socket is refused before it is
// opened, and once more on the open handle (the entry may have been swapped
// meanwhile); the open itself never waits, since O_NONBLOCK is cleared only
// once the handle is known to be a regular file.
int openRegularFile(const std::string& hostPath, struct stat& st);

} // namespace platform::detail
