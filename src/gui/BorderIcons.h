// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringView>
#include <Qt>

// The main window's window flags for its two sets of border icons: system menu
// and minimise (with the title bar's close button), or minimise only.
//
// Where the window system only offers a close that the window itself allows,
// minimise only would make the locked window's refusal box unreachable: every
// close there (Alt+F4, the window menu's or the taskbar's Close) would do
// nothing, without a word of why. There the close function stays.
// - X11: a window advertises the functions the window manager may offer
//   through its Motif hints, and Qt drops the close function together with the
//   close button; window managers such as metacity then ignore Alt+F4 and the
//   window menu's Close. The close button, tied to that function, stays too.
// - Windows: Alt+F4, the system menu's Close and the taskbar's "Close window"
//   all pass through the system menu's Close item, which exists only with the
//   system menu and is greyed without the close button. Both stay.
Qt::WindowFlags mainWindowFlags(bool withSystemMenu, QStringView platformName);
