// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>

// The program's pictures. They are drawn as SVG in assets/ and rendered to PNG
// when the program is built, at their design size (":/<name>.png") and at
// twice that (":/<name>@2x.png"), so that no SVG renderer is needed at run time.

// The picture `name` ("cloud") for a screen with the given device pixel ratio:
// above a ratio of 1 the double-size rendering, marked with ratio 2 so that
// its logical size stays the design size. A null image when there is none.
QImage programPicture(const QString& name, qreal devicePixelRatio);
