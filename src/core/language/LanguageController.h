// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/language/MainTextTable.h"
#include "core/language/MainTexts.h"

#include <string>

struct Folders;
class MessageBoxes;

namespace lang {

// What the language asks of the main window.
class LanguageView {
  public:
    virtual ~LanguageView() = default;
    // One caption of the window's controls and menu.
    virtual void setCaption(TextTarget target, const std::string& text) = 0;
    // A language of the languages folder, added to the language menu.
    virtual void addLanguageItem(const std::string& name, bool checked) = 0;
    virtual void checkBuiltInLanguageItem() = 0;
    // Every text of `language` is in place.
    virtual void languageApplied(const std::string& language) = 0;
};

// The main window's language: which one is in force, its texts, the language
// menu, and the checks a language file must pass before it is used.
class LanguageController {
  public:
    LanguageController(const Folders& folders, const MessageBoxes& boxes, LanguageView& view);

    // At creation: the language menu and the stored language, checked.
    void start();
    // Sets every text of `name` (the built-in language or a file's) and stores the choice.
    void apply(const std::string& name);
    // Applies the current language when its file's identity fits, the built-in one otherwise.
    void validate(const std::string& language, const std::string& program);
    // Applies `name` when its file exists; otherwise the built-in language and an error box.
    void loadOrDefault(const std::string& name);
    // Adds the languages of `folder` to the language menu, with `marked` (or
    // the built-in item, when it is the built-in language) checked.
    void buildMenu(const std::string& folder, const std::string& marked);
    // The language menu's choices.
    void chooseBuiltIn();
    void chooseFile(const std::string& name);
    // The language the first-run language window settled on.
    void adopt(const std::string& name);

    const std::string& current() const { return m_current; }
    const MainTexts& texts() const { return m_texts; }
    // For tests that check how a held text is shown.
    MainTexts& texts() { return m_texts; }

  private:
    const Folders& m_folders;
    const MessageBoxes& m_boxes;
    LanguageView& m_view;
    std::string m_current;
    MainTexts m_texts;
};

} // namespace lang
