// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/language/MainTexts.h"

#include <array>
#include <string_view>

// Where one main-window text comes from and where it goes.
enum class TextTarget {
    RoutePrompt,
    RouteGroup,
    RouteBoxText,
    FileMenu,
    QuitItem,
    OptionsMenu,
    LanguageMenu,
    HelpMenu,
    HelpContentsItem,
    AboutItem,
    MakeButton,
    CompletionText,
    RestoreButton,
    Held
};

struct MainTextRow {
    std::string_view section;
    std::string_view key;
    TextTarget target;
    std::string MainTexts::*held; // for TextTarget::Held
    std::string_view dutch;       // the built-in Dutch text
};

// The main window's texts in the order a language is applied.
extern const std::array<MainTextRow, 27> kMainTextTable;

// Messages about the storm's safety, and report lines, that are newer than the language files:
// a file that lacks one falls back to its built-in text, unlike every other key.
extern const std::array<MainTextRow, 16> kNewerTextRows;

// The language that is built in and needs no file.
inline constexpr std::string_view kBuiltInLanguage = "Nederlands";
