// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

// The help-language question reuses the standard Yes/No dialog: its buttons
// are relabelled with language names. Captions are compared exactly, with
// and without the access-key mark, because the toolkit's own captions differ
// between platform themes.
struct HelpButtonLabel {
    std::string caption; // the caption after relabelling
    int result;          // what pressing the button gives (6, 7 or 2)
};

// The new caption and result for a button captioned `caption`; nothing when
// the caption is none of "&Yes"/"Yes", "&No"/"No", "&Cancel"/"Cancel".
std::optional<HelpButtonLabel> relabelHelpButton(std::string_view caption);
