// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The platform double: records every box, dialog, shell request and window
// lookup in order and answers with what the test queued. A test reads like the
// user's session: queue "Yes", press the button, expect the boxes shown.
class ScriptedPlatform : public platform::Platform {
  public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned flags = 0;
        bool operator==(const Box&) const = default;
    };

    // Answers, used in order. A box without a queued answer is answered OK
    // when it has only an OK button; a yes/no box without one fails the test.
    void queueAnswer(int answer) { m_answers.push_back(answer); }
    // What the next modal dialog does while it is open: the action gets the
    // dialog (shown, offscreen) and returns its result.
    void queueModal(std::function<int(QDialog&)> action) { m_modals.push_back(std::move(action)); }
    // The next folder the browser returns ("" is a cancel).
    void queueFolder(std::string folder) { m_folders.push_back(std::move(folder)); }

    std::vector<Box> boxes;                // every message box, in order
    std::vector<std::string> modalDialogs; // objectName of every dialog run modally
    std::vector<std::string> browseTitles; // title of every folder browser
    std::vector<std::string> opened;       // every shell "open" target
    std::vector<platform::WindowId> closeRequests;

    // Registry: what readLocalMachineText answers; an error text makes it throw AppError.
    platform::RegistryText registry;
    std::optional<std::string> registryError;
    std::vector<std::pair<std::string, std::string>> registryReads;
    // What findInOtherWinePrefixes answers (the real search when searchWinePrefixes
    // is set), and how often it was asked.
    std::vector<std::string> otherPrefixFolders;
    bool searchWinePrefixes = false;
    int prefixSearches = 0;

    // The simulator's VirtualStore folder, whatever folder is asked about (none: there is none).
    std::optional<std::string> virtualStore;

    // Window lookup: the window found for the sibling's title (0: none).
    platform::WindowId window = 0;
    std::vector<std::string> windowLookups;

    // Restarting as administrator: whether it is possible, and how often it was asked for.
    bool mayRestart = false;
    int restarts = 0;
    // The session-end reason: "block <reason>" and "unblock", in order, and the window each was for.
    std::vector<std::string> sessionEndBlocks;
    std::vector<platform::WindowId> sessionEndWindows;

    // Called whenever a box is shown, with the box (for checks of the program's state at that moment).
    std::function<void(const Box&)> onBox;

    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::string browseForFolder(const std::string& title) override;
    int execModal(QDialog& dialog) override;
    void shellOpen(const std::string& target) override;
    platform::RegistryText readLocalMachineText(const std::string& key,
                                                const std::string& valueName) override;
    std::vector<std::string> findInOtherWinePrefixes(const platform::WinePrefixQuery& query) override;
    std::optional<std::string> virtualStoreFolder(const std::string&) override { return virtualStore; }
    platform::WindowId findWindow(const std::string& title) override;
    bool postCloseRequest(platform::WindowId window) override;
    bool mayRestartAsAdministrator() override { return mayRestart; }
    bool restartAsAdministrator() override { return ++restarts, true; }
    void blockSessionEnd(platform::WindowId window, const std::string& reason) override;
    void unblockSessionEnd(platform::WindowId window) override;

    // True when every queued answer, dialog action and folder was used.
    bool allUsed() const { return m_answers.empty() && m_modals.empty() && m_folders.empty(); }

  private:
    std::deque<int> m_answers;
    std::deque<std::function<int(QDialog&)>> m_modals;
    std::deque<std::string> m_folders;
};

} // namespace testing_support
