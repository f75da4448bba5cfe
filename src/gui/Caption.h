// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <string>

class QLabel;

// Captions as a language file writes them: "&" marks the next character as the
// access key (shown underlined) and "&&" stands for one literal ampersand.
// Menus, buttons and group boxes understand this themselves; a label without a
// buddy and a window title do not.

// The caption without its access-key marks: the "&" go, "&&" becomes "&".
QString captionWithoutAccessKey(const std::string& caption);

// Sets a label's caption with its access key underlined.
void setLabelCaption(QLabel* label, const std::string& caption);

// A window title shown exactly as written (Qt would hide a "[*]").
QString windowCaption(const std::string& caption);
