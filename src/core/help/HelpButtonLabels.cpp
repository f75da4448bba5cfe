// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/HelpButtonLabels.h"

#include "core/help/MessageDialogKinds.h"

#include <array>

namespace {

struct Row {
    std::string_view withAccessKey;
    std::string_view plain;
    std::string_view after;
    int result;
};

// Each button is compared with the rows in this order.
constexpr std::array<Row, 3> kRows{{
    {"&Yes", "Yes", "&Nederlands", dialog_result::Yes},
    {"&No", "No", "&English", dialog_result::No},
    {"&Cancel", "Cancel", "&Annuleren", dialog_result::Cancel},
}};

} // namespace

std::optional<HelpButtonLabel> relabelHelpButton(std::string_view caption) {
    for (const Row& row : kRows) {
        if (caption == row.withAccessKey || caption == row.plain)
            return HelpButtonLabel{std::string(row.after), row.result};
    }
    return std::nullopt;
}
