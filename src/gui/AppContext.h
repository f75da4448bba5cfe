// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/ErrorGuard.h"
#include "core/program/Folders.h"

namespace platform {
class Platform;
}

// What every window of the program shares: the platform, the program's
// folders and the error guard.
struct AppContext {
    platform::Platform& platform;
    Folders folders;
    ErrorGuard guard{platform};
};
