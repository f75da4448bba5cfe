// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Registry.h"
#include "platform/SessionEndBlock.h"
#include "platform/WindowFinder.h"
#include "platform/WinePrefixSearch.h"

#include <optional>
#include <string>
#include <vector>

class QDialog;

namespace platform {

// Message-box flags and answers, with the values the Windows API gives them.
namespace mb {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned YesNo = 0x04;
inline constexpr unsigned IconError = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconWarning = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr unsigned DefaultButton2 = 0x100; // No is the default of a yes/no box, not Yes
} // namespace mb
namespace answer {
inline constexpr int None = 0;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace answer

// What the buttons of a message box read, in the program's language (built in: Dutch).
struct ButtonCaptions {
    std::string yes = "Ja";
    std::string no = "Nee";
    std::string ok = "OK";
};

// Every interaction that blocks on the user or reaches outside the program's
// files goes through here, so that tests can replace it with a scripted double.
class Platform {
  public:
    virtual ~Platform() = default;
    // An application-modal message box; returns the answer (answer::Ok, Yes, No).
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The modal folder browser; the chosen folder's path, or empty when cancelled.
    virtual std::string browseForFolder(const std::string& title) = 0;
    // Runs one of the program's own dialogs modally and returns its result.
    virtual int execModal(QDialog& dialog) = 0;
    // Asks the desktop to "open" a document or a link; the outcome is not reported.
    virtual void shellOpen(const std::string& target) = 0;
    // See Registry.h.
    virtual RegistryText readLocalMachineText(const std::string& key, const std::string& valueName) = 0;
    // See WinePrefixSearch.h.
    virtual std::vector<std::string> findInOtherWinePrefixes(const WinePrefixQuery& query) = 0;
    // See VirtualStore.h.
    virtual std::optional<std::string> virtualStoreFolder(const std::string& resolvedFolder) = 0;
    // See WindowFinder.h.
    virtual WindowId findWindow(const std::string& title) = 0;
    virtual bool postCloseRequest(WindowId window) = 0;
    // See SessionEndBlock.h: the reason the desktop shows while the window refuses the session's end.
    virtual void blockSessionEnd(WindowId window, const std::string& reason) = 0;
    virtual void unblockSessionEnd(WindowId window) = 0;
    // True when the program runs without administrator rights and could be started again with them.
    virtual bool mayRestartAsAdministrator() = 0;
    // Starts the program again with administrator rights, hands the single-instance claim to the new
    // instance and ends this one; false, with everything as it was, when the start was refused.
    virtual bool restartAsAdministrator() = 0;

    // The captions every later message box gives its buttons.
    void setButtonCaptions(ButtonCaptions captions) { m_buttonCaptions = std::move(captions); }
    const ButtonCaptions& buttonCaptions() const { return m_buttonCaptions; }

  private:
    ButtonCaptions m_buttonCaptions;
};

} // namespace platform
