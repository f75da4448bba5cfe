// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"
#include "platform/SingleInstance.h"

#include <functional>
#include <memory>

namespace platform {

// The real platform: Qt message boxes and folder dialog, the desktop's
// "open", the registry and window lookup of the operating-system backend.
class DesktopPlatform : public Platform {
  public:
    // How the program starts itself with administrator rights and ends; tests replace them.
    struct Restart {
        std::function<bool(const std::string& executable)> start;
        std::function<void()> end;
    };
    DesktopPlatform();
    explicit DesktopPlatform(Restart restart) : m_restart(std::move(restart)) {}

    // The single-instance claim under its name, held so that a restart can hand it over.
    void holdClaim(std::unique_ptr<InstanceClaim> claim, std::string name);
    bool holdsClaim() const { return m_claim != nullptr; }

    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string browseForFolder(const std::string& title) override;
    int execModal(QDialog& dialog) override;
    void shellOpen(const std::string& target) override;
    RegistryText readLocalMachineText(const std::string& key, const std::string& valueName) override;
    std::vector<std::string> findInOtherWinePrefixes(const WinePrefixQuery& query) override;
    std::optional<std::string> virtualStoreFolder(const std::string& resolvedFolder) override;
    WindowId findWindow(const std::string& title) override;
    bool postCloseRequest(WindowId window) override;
    void blockSessionEnd(WindowId window, const std::string& reason) override;
    void unblockSessionEnd(WindowId window) override;
    bool mayRestartAsAdministrator() override;
    bool restartAsAdministrator() override;

  private:
    Restart m_restart;
    std::unique_ptr<InstanceClaim> m_claim;
    std::string m_claimName;
};

} // namespace platform
