#pragma once
#include <cstdint>
#include <string_view>

namespace platform {

using WindowId = std::uint64_t; // 0: no window

// Finds a top-level window whose title equals the given one without regard to case.
WindowId findTopLevelWindow(std::string_view title);

// Asks the window to close, without waiting. False when the request could not be posted.
bool postCloseRequest(WindowId window);

} // namespace platform
