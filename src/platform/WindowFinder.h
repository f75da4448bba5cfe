// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string_view>

namespace platform {

using WindowId = std::uint64_t; // 0: no window

// Finds a top-level window whose title equals the given one without regard to
// case; hidden windows count too. 0 when there is none, or no display to look on.
WindowId findTopLevelWindow(std::string_view title);

// Asks the window to close, without waiting. False when the request could not be
// posted, for instance because the window is gone.
bool postCloseRequest(WindowId window);

} // namespace platform
