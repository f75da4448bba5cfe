// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/SessionEnd.h"

SessionEndAnswer answerSessionEnd(bool stormActive, bool userMayBeAsked) {
    // Refused even when the box cannot be shown: the session may still end by
    // force, but never with the program's consent.
    return {stormActive && userMayBeAsked, stormActive};
}
