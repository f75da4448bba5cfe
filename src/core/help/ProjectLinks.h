// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

// Where the about dialog's links lead. Kept here, and only here, so that a
// change of address is one edit.
namespace project_links {
inline constexpr std::string_view kWebAddress = "https://www.brontara.example/";
// The web link's caption: the same in every language.
inline constexpr std::string_view kWebCaption = "www.brontara.example";
inline constexpr std::string_view kMailAddress = "info@brontara.example";
} // namespace project_links
