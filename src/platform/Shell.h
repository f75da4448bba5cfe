// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace platform {

// Show modes of the Windows shell.
inline constexpr int kShowNormal = 1; // SW_SHOWNORMAL
inline constexpr int kShow = 5;       // SW_SHOW

// Asks the Windows shell to perform "open" on a document path or a link
// ("https://...", "mailto:..."), with no owner window, parameters or working
// folder, as Explorer opens it: a document in the program associated with its
// type, and where there is none, Windows' own choice of programs. The outcome
// is not reported. Windows only; elsewhere the desktop opens links (Qt).
void shellExecuteOpen(std::string_view target, int showMode);

} // namespace platform
