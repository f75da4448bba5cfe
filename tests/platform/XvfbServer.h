#pragma once
#include <string>
#include <sys/types.h>

namespace testing_support {

// A private virtual X server (Xvfb) for tests, on the first free display from
// :97 to :120, stopped when the object goes. When none can be started,
// running() is false and whyNot() says why, so that a test can skip.
class XvfbServer {
  public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return pid_ > 0; }
    const std::string& display() const { return display_; } // ":97"
    const std::string& whyNot() const { return whyNot_; }

  private:
    bool tryDisplay(int number);

    pid_t pid_ = -1;
    std::string display_;
    std::string whyNot_;
};

} // namespace testing_support
