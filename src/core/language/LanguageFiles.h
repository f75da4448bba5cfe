// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/Folders.h"

#include <string>
#include <string_view>
#include <vector>

// Reading the language files in Dump\Languages. A language other than the
// built-in one is the file named after it; every text is read with its own
// INI access and the empty text as the default, so a missing file, section or
// key reads as empty.
namespace lang {

// True when a language name can name a file inside the languages folder: it is
// not empty and holds no path separator, drive colon, wildcard or control
// character. Any other name (typed by the user or edited into the settings
// file) names no file, so nothing outside the folder is ever read.
bool isFileLanguageName(std::string_view name);

// The language's file, or the empty text when the name cannot name one.
std::string languageFile(const Folders& folders, const std::string& language);

// One value of the language's file; empty when the file, section or key is
// missing or the name names no file.
std::string readText(const Folders& folders, const std::string& language, std::string_view section,
                     std::string_view key);

// True when the language's file exists as a file of any attributes (a folder of
// that name does not count).
bool fileExists(const Folders& folders, const std::string& language);

// The two "File info" values that identify a language file.
struct Identity {
    std::string language;
    std::string program;
};
Identity readIdentity(const Folders& folders, const std::string& language);

// The identity's two tests. The language must not be empty, must not start
// with a control character and must not be exactly "Onbekend"; the program
// must be exactly "Brontara".
bool languageFits(const std::string& language);
bool programFits(const std::string& program);

// The language names of the files that match "*.lng" in a folder, of any
// attributes (folders included), in listing order: each entry's name without
// the text from its last full stop on.
std::vector<std::string> listLanguages(const std::string& folder);

// A name without the text from its last full stop on.
std::string nameWithoutExtension(const std::string& fileName);

} // namespace lang
