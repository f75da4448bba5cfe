// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/language/MainTextTable.h"
#include "gui/MainWindow.h"
#include "support/ProgramWindows.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace lang_test {

using Box = testing_support::ScriptedPlatform::Box;

// The program's windows over a program folder in a temporary folder, the
// scripted platform and the context the windows share.
struct ProgramFolder : testing_support::ProgramWindows {
    std::string setting(const std::string& section, const std::string& key) const;
    void removeLanguage(const std::string& name) const;
    // The main window, created but without its creation handler run.
    MainWindow* mainWindow() { return &ProgramWindows::mainWindow(false); }
    // Runs a handler inside the error guard, as every handler runs.
    bool guarded(const std::function<void()>& handler) { return context.guard.run(handler); }
};

// A language file: its identity and, for each main-window key, a text made of
// the tag and the key ("<tag> Titel_fout"), plus the extra lines given.
std::string languageFile(const std::string& language, const std::string& program, const std::string& tag,
                         const std::string& extra = "");
// Types a text into a widget one character at a time, as a user would.
void typeText(QWidget* widget, const QString& text);
// The text a languageFile holds for a row.
std::string taggedText(const std::string& tag, const MainTextRow& row);

// The text a main-window target shows, as a language file writes it would
// read back: menus and buttons as set, labels as seen (without access keys).
std::string targetText(MainWindow& form, const MainTextRow& row);
// What a label shows, whether it holds plain or rich text.
QString visibleText(const QLabel* label);

// The error box of a language failure, with the texts given.
Box languageError(const std::string& text, const std::string& title);
// The built-in Dutch language error box.
Box dutchLanguageError();

// The objectName of the checked item of the language submenu, "" when none.
std::string checkedLanguageItem(MainWindow& form);
// The objectName and caption of every item of the language submenu.
std::vector<std::pair<std::string, std::string>> languageItems(MainWindow& form);

} // namespace lang_test

namespace testing_support {
void PrintTo(const ScriptedPlatform::Box& box, std::ostream* os);
}
