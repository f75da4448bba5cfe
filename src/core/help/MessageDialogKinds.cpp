// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/MessageDialogKinds.h"

#include <initializer_list>

namespace {

unsigned firstPresent(DialogButtons buttons, std::initializer_list<unsigned> order) {
    for (unsigned b : order)
        if (buttons & b) return b;
    return 0;
}

} // namespace

unsigned defaultButtonOf(DialogButtons buttons) {
    return firstPresent(buttons, {dialog_button::Ok, dialog_button::Yes, dialog_button::Retry});
}

unsigned cancelButtonOf(DialogButtons buttons) {
    return firstPresent(buttons, {dialog_button::Cancel, dialog_button::No, dialog_button::Ok});
}

int standardResultOf(unsigned button) {
    switch (button) {
    case dialog_button::Yes:
        return dialog_result::Yes;
    case dialog_button::No:
        return dialog_result::No;
    case dialog_button::Ok:
        return dialog_result::Ok;
    case dialog_button::Cancel:
        return dialog_result::Cancel;
    case dialog_button::Abort:
        return dialog_result::Abort;
    case dialog_button::Retry:
        return dialog_result::Retry;
    case dialog_button::Ignore:
        return dialog_result::Ignore;
    default:
        return dialog_result::None;
    }
}

std::string_view standardCaptionOf(DialogType type) {
    switch (type) {
    case DialogType::Warning:
        return "Warning";
    case DialogType::Error:
        return "Error";
    case DialogType::Information:
        return "Information";
    case DialogType::Confirmation:
        return "Confirm";
    case DialogType::Custom:
        break;
    }
    return "Brontara"; // a custom dialog carries the application's title
}
