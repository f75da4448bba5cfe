// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/Folders.h"

#include <array>
#include <string>
#include <string_view>

// The ten texts of the simulator location window, in the order it sets them.
struct LocationTexts {
    std::string title;          // the window's title
    std::string explanation;    // the explanation
    std::string continueButton; // the continue button
    std::string browseButton;   // the browse button
    std::string folderGroup;    // the frame round the folder entry
    std::string browseText;
    std::string errorTitle;
    std::string notFoundText;
    std::string foundText;
    std::string foundTitle;
    std::string unstorableText; // the folder has train.exe but the settings file cannot hold its name
};

struct LocationTextRow {
    std::string_view section;
    std::string_view key;
    std::string LocationTexts::*target;
    std::string_view dutch; // the built-in Dutch text
};

extern const std::array<LocationTextRow, 10> kLocationTextTable;

// The built-in Dutch texts for "Nederlands" (exact, case-sensitive name);
// for any other language each text is read, in table order and each read on
// its own, from that language's file. A missing file or key gives an empty
// text: a language file never falls back to Dutch.
// Newer than the language files: a file without it keeps the built-in text.
extern const LocationTextRow kUnstorableFolderRow;

LocationTexts loadLocationTexts(const Folders& folders, const std::string& language);
