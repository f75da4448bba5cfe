// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/SessionEnd.h"

#include "core/program/MessageFormat.h"
#include "platform/Error.h"

SessionEndAnswer answerSessionEnd(bool stormActive, bool userMayBeAsked) {
    // Refused even when the box cannot be shown: the session may still end by
    // force, but never with the program's consent.
    return {stormActive && userMayBeAsked, stormActive};
}

std::string sessionEndReason(const std::string& mayNotClose) {
    try {
        return formatWithEmptyArgument(mayNotClose);
    } catch (const platform::AppError&) {
        // The box reports the broken text when it is shown; the shutdown
        // screen, which can report nothing, shows it as it stands.
        return mayNotClose;
    }
}
