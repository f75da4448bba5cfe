// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

namespace platform {

// The real platform: Qt message boxes and folder dialog, the desktop's
// "open", the registry and window lookup of the operating-system backend.
class DesktopPlatform : public Platform {
  public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string browseForFolder(const std::string& title) override;
    int execModal(QDialog& dialog) override;
    void shellOpen(const std::string& target) override;
    RegistryText readLocalMachineText(const std::string& key, const std::string& valueName) override;
    WindowId findWindow(const std::string& title) override;
    bool postCloseRequest(WindowId window) override;
    void blockSessionEnd(WindowId window, const std::string& reason) override;
    void unblockSessionEnd(WindowId window) override;
};

} // namespace platform
