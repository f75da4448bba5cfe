// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string_view>

// The two help documents, beside the executable.
inline constexpr std::string_view kDutchHelpDocument = "Brontara Help (Nederlands).doc";
inline constexpr std::string_view kEnglishHelpDocument = "Brontara Help (English).doc";

// The question asked before a help document opens; it stays English in every
// language, since the user may not read the current one.
inline constexpr std::string_view kHelpLanguageQuestion = "Choose a language for the help file.";

// The document the help-language question's answer picks: Yes (6) the Dutch
// one, No (7) the English one; any other answer picks none.
std::optional<std::string_view> helpDocumentFor(int answer);
