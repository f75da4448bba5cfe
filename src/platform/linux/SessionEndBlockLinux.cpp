// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionEndBlock.h"

namespace platform {

// No Linux desktop shows a program's reason for refusing the end of a
// session; the refusal itself goes through the session manager.
bool blockSessionEnd(WindowId, std::string_view) {
    return false;
}

bool unblockSessionEnd(WindowId) {
    return false;
}

} // namespace platform
