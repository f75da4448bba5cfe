// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGroupBox;
class QLabel;
class QPushButton;

// The window's controls have the sizes of the Dutch design, but another
// language's captions can be longer. These keep every caption whole: a caption
// that fits changes nothing; one that does not first gets room where there is
// some (a button grows into the free space beside it), then a smaller font,
// down to a least readable size.
void fitWrappedText(QLabel* label);
void fitGroupBoxTitle(QGroupBox* groupBox);

// Which edge of a button stays put when it grows: its centre, or its right
// edge for a button that closes off the right of its group.
enum class ButtonAnchor { Centre, Right };
void fitButtonCaption(QPushButton* button, ButtonAnchor anchor);
