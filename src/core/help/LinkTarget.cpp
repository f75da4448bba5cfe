// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/LinkTarget.h"

std::string linkTarget(LinkType type, std::string_view address) {
    if (address.empty()) return {};
    if (type == LinkType::EMail) return "mailto:" + std::string(address);
    return std::string(address);
}
