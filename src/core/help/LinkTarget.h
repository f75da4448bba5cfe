// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

enum class LinkType { EMail, Web };

// What the shell opens for a link: "mailto:" + address for an e-mail link,
// the address unchanged for a web link; empty when there is no address.
std::string linkTarget(LinkType type, std::string_view address);
