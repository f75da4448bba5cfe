// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WinePrefixSearch.h"

// Windows runs the simulator itself: there are no Wine prefixes to look in.
std::vector<std::string> platform::findInOtherWinePrefixes(const WinePrefixQuery&) {
    return {};
}
