// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace platform {
class Platform;
}

// The program's message boxes: every stored text passes the message formatter
// before it is shown, and a detail (a path, a list of paths) follows it after
// an empty line.
class MessageBoxes {
  public:
    explicit MessageBoxes(platform::Platform& platform) : m_platform(platform) {}

    // An error box with OK.
    void showError(const std::string& message, const std::string& title,
                   const std::string& detail = {}) const;
    // An information box with OK.
    void showInformation(const std::string& message, const std::string& title,
                         const std::string& detail = {}) const;
    // A warning with Yes and No; true when answered Yes. With `noByDefault`
    // Enter and Escape both answer No.
    bool askYesNo(const std::string& question, const std::string& title, const std::string& detail = {},
                  bool noByDefault = false) const;

  private:
    platform::Platform& m_platform;
};
