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

    bool running() const { return pid_ > 0; }
    const std::string& display() const { return display_; } // ":97"
    const std::string& whyNot() const { return whyNot_; }

  private:
    bool tryDisplay(int number);

    std::string screen_;
    pid_t pid_ = -1;
    std::string display_;
    std::string whyNot_;
};

} // namespace testing_support
