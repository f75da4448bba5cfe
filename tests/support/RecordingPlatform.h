// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

// What the code under test asked of its view and of the platform, one line per
// call, in the order asked. Shared by the platform double and a test's view
// double, so that a test compares the whole conversation at once.
using CallLog = std::vector<std::string>;

// The platform double for tests without Qt. Every box, window lookup, close
// request and shell request is a line of the log:
//   "box <caption>|<text>|<flags>", "find <title>", "close <window>", "open <target>",
//   "block <window>|<reason>", "unblock <window>".
// Yes/no boxes take their answers from a queue; an OK box answers OK itself.
class RecordingPlatform : public platform::Platform {
  public:
    explicit RecordingPlatform(CallLog& log) : log_(log) {}

    struct Box {
        std::string text;
        std::string caption;
        unsigned flags = 0;
        bool operator==(const Box&) const = default;
    };
    // The log line of a box.
    static std::string line(const Box& box);

    void queueAnswer(int answer) { answers_.push_back(answer); }
    bool allAnswersUsed() const { return answers_.empty(); }

    std::vector<Box> boxes;                  // every message box, in order
    platform::WindowId window = 0;           // what findWindow finds, for any title (0: nothing)
    platform::RegistryText registry;         // what every registry read answers
    std::optional<std::string> virtualStore; // the VirtualStore folder of any simulator (none: there is none)
    bool mayRestart = false;                 // runs without administrator rights it could be given
    bool restartStarts = true;               // the player allows the restart as administrator

    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string browseForFolder(const std::string& title) override;
    // Needs a window system: a Qt-free test that reaches it fails.
    int execModal(QDialog& dialog) override;
    void shellOpen(const std::string& target) override;
    platform::RegistryText readLocalMachineText(const std::string& key,
                                                const std::string& valueName) override;
    // Finds nothing.
    std::vector<std::string> findInOtherWinePrefixes(const platform::WinePrefixQuery& query) override;
    std::optional<std::string> virtualStoreFolder(const std::string&) override { return virtualStore; }
    platform::WindowId findWindow(const std::string& title) override;
    bool postCloseRequest(platform::WindowId window) override;
    bool mayRestartAsAdministrator() override { return mayRestart; }
    // Logged as "restart as administrator".
    bool restartAsAdministrator() override;
    void blockSessionEnd(platform::WindowId window, const std::string& reason) override;
    void unblockSessionEnd(platform::WindowId window) override;

  private:
    CallLog& log_;
    std::deque<int> answers_;
};

} // namespace testing_support
