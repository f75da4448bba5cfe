// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/BorderIcons.h"

Qt::WindowFlags mainWindowFlags(bool withSystemMenu, QStringView platformName) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
    if (withSystemMenu || platformName == u"windows")
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    else if (platformName == u"xcb")
        flags |= Qt::WindowCloseButtonHint; // keeps the close function in the window manager's hints
    return flags;
}
