// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// What the program answers when the desktop session asks whether it may end.
// A storm that is installed must be restored first, so the end is refused
// whenever one is; the refusal box is shown only when the session lets the
// program talk to the user.
struct SessionEndAnswer {
    bool showRefusal = false; // the close guard's box (Niet_afsluiten)
    bool cancel = false;      // ask the session not to end
    bool operator==(const SessionEndAnswer&) const = default;
};

SessionEndAnswer answerSessionEnd(bool stormActive, bool userMayBeAsked);

// The reason the desktop shows while the session may not end: the close
// guard's text (Niet_afsluiten) as its box shows it.
std::string sessionEndReason(const std::string& mayNotClose);
