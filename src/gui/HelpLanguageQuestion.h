// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/help/MessageDialogKinds.h"

#include <string>

class QWidget;
namespace platform {
class Platform;
}

// Asks in a standard message dialog whose Yes, No and Cancel buttons are
// relabelled with language names; returns the dialog's result (Yes 6, No 7,
// Cancel 2). An information dialog is titled `title`; the others keep the
// standard title of their kind.
int askWithLanguageButtons(platform::Platform& platform, QWidget* parent, const std::string& message,
                           const std::string& title, DialogType type, DialogButtons buttons);
