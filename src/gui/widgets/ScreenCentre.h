// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Moves a top-level window so that its frame stands in the middle of the
// available area of the screen that `reference` (or else the window) is on.
// The frame is the window's own once it has one; before its first showing it
// is taken to be as wide as the reference window's.
void centreOnScreen(QWidget* window, const QWidget* reference);
