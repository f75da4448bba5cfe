// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/ErrorGuard.h"

#include "core/program/MessageFormat.h"
#include "platform/Platform.h"

#include <exception>

bool ErrorGuard::run(const std::function<void()>& handler) const {
    std::string message;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        message = e.what();
    }
    m_platform.messageBox(unhandledErrorText(message), "Brontara",
                          platform::mb::Ok | platform::mb::IconError);
    return false;
}
