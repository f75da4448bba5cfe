// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <sys/types.h>

namespace testing_support {

// A private virtual X server (Xvfb) for tests, on the first free display from
// :97 to :120, stopped when the object goes. When none can be started,
// running() is false and whyNot() says why, so that a test can skip.
class XvfbServer {
  public:
    // The screen size, as Xvfb takes it ("WIDTHxHEIGHTxDEPTH").
    explicit XvfbServer(std::string screen = "320x240x24");
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return m_pid > 0; }
    const std::string& display() const { return m_display; } // ":97"
    const std::string& whyNot() const { return m_whyNot; }

  private:
    bool tryDisplay(int number);

    std::string m_screen;
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_whyNot;
};

} // namespace testing_support
