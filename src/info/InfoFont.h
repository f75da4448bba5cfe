#pragma once
#include <QFont>

// The font the help and about dialogs are designed for: MS Sans Serif where it
// is installed, else a sans of similar width.
QFont infoFont(int pointSize, bool bold = false);
