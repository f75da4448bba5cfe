// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <string_view>

// The kinds of standard message dialog the program can ask a question with,
// and the toolkit rules that go with them. Results have the values the
// Windows API gives them (Yes 6, No 7, Cancel 2, ...).
enum class DialogType { Warning, Error, Information, Confirmation, Custom };

namespace dialog_button {
inline constexpr unsigned Yes = 0x01;
inline constexpr unsigned No = 0x02;
inline constexpr unsigned Ok = 0x04;
inline constexpr unsigned Cancel = 0x08;
inline constexpr unsigned Abort = 0x10;
inline constexpr unsigned Retry = 0x20;
inline constexpr unsigned Ignore = 0x40;
} // namespace dialog_button

// A set of dialog_button flags.
using DialogButtons = unsigned;

// Dialog results are the answers message boxes give.
namespace dialog_result = platform::answer;

// The button that Enter presses: OK, else Yes, else Retry; 0 when none is there.
unsigned defaultButtonOf(DialogButtons buttons);
// The button that Escape presses: Cancel, else No, else OK; 0 when none is there.
unsigned cancelButtonOf(DialogButtons buttons);
// The result a standard button gives when pressed.
int standardResultOf(unsigned button);
// The caption the toolkit gives a dialog of this type.
std::string_view standardCaptionOf(DialogType type);
