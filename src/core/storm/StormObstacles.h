// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"
#include "core/storm/StormPlan.h"

#include <optional>
#include <string>

namespace storm {

// A file that a storm could not read or change, and why.
struct FileProblem {
    std::string path;
    platform::Refusal refusal;
    bool leadsOutside = false; // a link or name that leads out of the storm's folders
};

// The first thing that would keep the storm from going in whole, found
// without changing anything: a storm file of Brontara's that is missing or
// unreadable, a simulator file the storm replaces that cannot be replaced, or
// a folder the storm adds files to that takes no new file.
std::optional<FileProblem> firstObstacle(StormFiles& files, const StormPlan& plan);

} // namespace storm
