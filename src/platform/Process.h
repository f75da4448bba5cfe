// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace platform {

// The full path of the running executable (Linux: /proc/self/exe), never
// derived from the current directory. Empty when it cannot be determined.
std::string executablePath();

} // namespace platform
