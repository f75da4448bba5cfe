// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace platform {

// The full path of the running executable (Linux: /proc/self/exe), never
// derived from the current directory. Empty when it cannot be determined.
std::string executablePath();

// True when the program may start itself again with administrator rights,
// which it has not now (Windows, without an elevated token). False elsewhere.
bool mayStartAsAdministrator();

// Starts the executable again with administrator rights, through the
// system's own prompt; false when the user refused or it could not start.
bool startAsAdministrator(const std::string& executable);

} // namespace platform
