// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// The program speaks UTF-8; the Windows API's wide-character (W) functions
// speak UTF-16. Every text crosses between them here.
namespace platform::win {

// UTF-8 to UTF-16. Text that is not valid UTF-8 gives an empty text, which no
// API call takes for a name, so a hostile name never reaches the system mangled.
std::wstring wide(std::string_view utf8);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string narrow(std::wstring_view utf16);

} // namespace platform::win
