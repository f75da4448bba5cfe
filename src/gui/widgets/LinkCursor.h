// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCursor>
#include <QPoint>

#include <string_view>

// The program's own pointing-hand cursor for links, a 32 x 32 picture whose
// hot spot is the index fingertip (the picture's comment names the same pixel).
inline constexpr std::string_view kLinkCursorName = "CRSRLINKPOINT";
inline constexpr QPoint kLinkCursorHotSpot{11, 1};

// Makes the link cursor available under kLinkCursorName; repeated calls keep
// the first.
void registerLinkCursor();

// The cursor registered under `name`; the arrow when there is none.
QCursor namedCursor(std::string_view name);
