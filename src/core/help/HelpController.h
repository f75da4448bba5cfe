// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

struct Folders;
struct MainTexts;
class MessageBoxes;
namespace platform {
class Platform;
}

namespace help {

// What the help asks of the main window.
class HelpView {
  public:
    virtual ~HelpView() = default;
    // Asks in which language the help should be, with the buttons named after
    // languages; returns the dialog's result (Yes 6, No 7, Cancel 2).
    virtual int askHelpLanguage(const std::string& question, const std::string& title) = 0;
};

// The help menu's "Help inhoud": asks for the language, then opens that help
// document with the program the desktop has for it.
class HelpController {
  public:
    HelpController(platform::Platform& platform, const Folders& folders, const MainTexts& texts,
                   const MessageBoxes& boxes, HelpView& view);

    void showHelp();

  private:
    platform::Platform& m_platform;
    const Folders& m_folders;
    const MainTexts& m_texts;
    const MessageBoxes& m_boxes;
    HelpView& m_view;
};

} // namespace help
