// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/WindowFinder.h"

#include <string_view>

namespace platform {

// Gives the desktop the reason why the program refuses to let the session
// end, for Windows to show beside the window on its "these apps are
// preventing shutdown" screen; a later call replaces it. False when no reason
// could be given: no such window, or a desktop that shows none.
bool blockSessionEnd(WindowId window, std::string_view reason);

// Takes the reason back: the session may end without it.
bool unblockSessionEnd(WindowId window);

} // namespace platform
