// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"

#include <climits>
#include <unistd.h>

namespace platform {

std::string executablePath() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

// The simulator's folder belongs to the player under Wine: there are no rights to ask for.
bool mayStartAsAdministrator() {
    return false;
}

bool startAsAdministrator(const std::string&) {
    return false;
}

} // namespace platform
