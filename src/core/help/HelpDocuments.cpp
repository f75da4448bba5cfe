// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/HelpDocuments.h"

#include "core/help/MessageDialogKinds.h"

std::optional<std::string_view> helpDocumentFor(int answer) {
    switch (answer) {
    case dialog_result::Yes:
        return kDutchHelpDocument;
    case dialog_result::No:
        return kEnglishHelpDocument;
    default:
        return std::nullopt;
    }
}
