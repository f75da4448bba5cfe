// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"
#include "app/TForm1.h"
#include "lang/MainTextTable.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QWidget;

namespace lang_test {

using Box = testing_support::ScriptedPlatform::Box;

// A program folder in a temporary folder (Dump and Dump/Languages, no
// settings file), the scripted platform and the context the windows share.
struct ProgramFolder {
    testing_support::TempDir dir;
    testing_support::ScriptedPlatform platform;
    AppContext context;

    ProgramFolder();
    std::string settingsPath() const { return dir / "Dump/All_dat.ini"; }
    void writeSettings(const std::string& content) const { dir.write("Dump/All_dat.ini", content); }
    std::string setting(const std::string& section, const std::string& key) const;
    // Writes Dump/Languages/<name>.lng with the content given, as it stands.
    std::string writeLanguage(const std::string& name, const std::string& content) const;
    void removeLanguage(const std::string& name) const;
    // The main window, created but without its creation handler run.
    std::unique_ptr<TForm1> mainWindow();
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
std::string targetText(TForm1& form, const MainTextRow& row);
// What a label shows, whether it holds plain or rich text.
QString visibleText(const QLabel* label);

// The error box of a language failure, with the texts given.
Box languageError(const std::string& text, const std::string& title);
// The built-in Dutch language error box.
Box dutchLanguageError();

// The objectName of the checked item of the language submenu, "" when none.
std::string checkedLanguageItem(TForm1& form);
// The objectName and caption of every item of the language submenu.
std::vector<std::pair<std::string, std::string>> languageItems(TForm1& form);

} // namespace lang_test

namespace testing_support {
void PrintTo(const ScriptedPlatform::Box& box, std::ostream* os);
}
