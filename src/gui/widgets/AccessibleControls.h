// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes the program's own controls readable by assistive technology: a link
// label is a link named by its caption, with a press action that does what a
// click does; a picture is a graphic. Safe to call more than once; the
// controls call it when they are created.
void registerAccessibleControls();
