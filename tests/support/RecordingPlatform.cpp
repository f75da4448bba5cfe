// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

namespace testing_support {

std::string RecordingPlatform::line(const Box& box) {
    return "box " + box.caption + "|" + box.text + "|" + std::to_string(box.flags);
}

int RecordingPlatform::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    boxes.push_back({text, caption, flags});
    log_.push_back(line(boxes.back()));
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if ((flags & 0x0F) == platform::mb::Ok) return platform::answer::Ok;
    ADD_FAILURE() << "no answer queued for the box \"" << text << "\"";
    return platform::answer::No;
}

std::string RecordingPlatform::browseForFolder(const std::string& title) {
    log_.push_back("browse " + title);
    ADD_FAILURE() << "unexpected folder browser \"" << title << "\"";
    return {};
}

int RecordingPlatform::execModal(QDialog&) {
    log_.push_back("modal");
    ADD_FAILURE() << "a modal dialog was run in a test without a window system";
    return 0;
}

void RecordingPlatform::shellOpen(const std::string& target) {
    log_.push_back("open " + target);
}

platform::RegistryText RecordingPlatform::readLocalMachineText(const std::string& key,
                                                               const std::string& valueName) {
    log_.push_back("registry " + key + "|" + valueName);
    return registry;
}

std::vector<std::string> RecordingPlatform::findInOtherWinePrefixes(const platform::WinePrefixQuery&) {
    log_.push_back("prefixes");
    return {};
}

platform::WindowId RecordingPlatform::findWindow(const std::string& title) {
    log_.push_back("find " + title);
    return window;
}

bool RecordingPlatform::postCloseRequest(platform::WindowId w) {
    log_.push_back("close " + std::to_string(w));
    return w != 0;
}

bool RecordingPlatform::restartAsAdministrator() {
    log_.push_back("restart as administrator");
    return restartStarts;
}

void RecordingPlatform::blockSessionEnd(platform::WindowId w, const std::string& reason) {
    log_.push_back("block " + std::to_string(w) + "|" + reason);
}

void RecordingPlatform::unblockSessionEnd(platform::WindowId w) {
    log_.push_back("unblock " + std::to_string(w));
}

} // namespace testing_support
