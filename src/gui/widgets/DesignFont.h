// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>

// The fonts the windows are designed for: MS Sans Serif where it is installed,
// else a sans of similar width (Liberation Sans, the metric twin of Arial).
QFont designFont(double pointSize = 8, bool bold = false);
// Arial, or its stand-in, for the installation report.
QFont reportFont();
