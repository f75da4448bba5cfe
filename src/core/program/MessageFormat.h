// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Formats a message template the way the program has always shown its
// messages: as a format pattern with exactly one argument, the empty text.
// "%%" gives "%", a "%" at the very end is dropped, a text conversion ("%s",
// "%0:s", "%-5s", "%.3s") gives nothing or its width in blanks. Any other
// conversion throws AppError: "Format '%d' invalid or incompatible with
// argument" when it does not fit a text argument, "No argument for format
// '%1:s'" when it asks for a further argument; the conversion quoted is cut
// to 31 characters.
std::string formatWithEmptyArgument(std::string_view pattern);

// The text of the unhandled-error box: the error's message with a full stop
// appended when its last character sorts after "." in character code order.
std::string unhandledErrorText(std::string_view message);
