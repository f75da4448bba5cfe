// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

namespace platform {

// An error that escapes a handler: its message is shown as it stands in the
// unhandled-error box ("Unable to write to ...", a bad format directive,
// a registry value of the wrong type).
class AppError : public std::runtime_error {
  public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace platform
