// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringView>
#include <Qt>

// The main window's window flags for its two sets of border icons: system menu
// and minimise (with the title bar's close button), or minimise only.
//
// On X11 a window advertises the functions the window manager may offer
// through its Motif hints, and Qt drops the close function together with the
// close button. Window managers such as metacity then ignore Alt+F4 and the
// window menu's Close, and the locked window's refusal box can never be
// reached from the keyboard. There the close function stays, and with it the
// close button that these window managers tie to it; a close by either shows
// the refusal box.
Qt::WindowFlags mainWindowFlags(bool withSystemMenu, QStringView platformName);
