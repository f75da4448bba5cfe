// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/MessageBoxes.h"

#include "core/program/MessageFormat.h"
#include "platform/Platform.h"

namespace {

std::string withDetail(const std::string& message, const std::string& detail) {
    std::string text = formatWithEmptyArgument(message);
    if (!detail.empty()) text += "\n\n" + detail;
    return text;
}

} // namespace

void MessageBoxes::showError(const std::string& message, const std::string& title,
                             const std::string& detail) const {
    m_platform.messageBox(withDetail(message, detail), title, platform::mb::Ok | platform::mb::IconError);
}

void MessageBoxes::showInformation(const std::string& message, const std::string& title,
                                   const std::string& detail) const {
    m_platform.messageBox(withDetail(message, detail), title,
                          platform::mb::Ok | platform::mb::IconInformation);
}

bool MessageBoxes::askYesNo(const std::string& question, const std::string& title, const std::string& detail,
                            bool noByDefault) const {
    unsigned flags = platform::mb::YesNo | platform::mb::IconWarning;
    if (noByDefault) flags |= platform::mb::DefaultButton2;
    return m_platform.messageBox(withDetail(question, detail), title, flags) == platform::answer::Yes;
}
