// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

namespace platform {
class Platform;
}

// Runs a handler and catches whatever error escapes it: the error is shown in
// the unhandled-error box (title "Brontara", error icon, OK) and the handler
// is abandoned at that point, so no exception ever crosses Qt's event loop.
class ErrorGuard {
  public:
    explicit ErrorGuard(platform::Platform& platform) : m_platform(platform) {}
    // False when the handler was abandoned by an error.
    bool run(const std::function<void()>& handler) const;

  private:
    platform::Platform& m_platform;
};
