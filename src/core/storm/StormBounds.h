// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormPlan.h"

#include <optional>
#include <string>

namespace storm {

// The one check that a storm changes nothing but its own files: every path
// that installing or restoring writes, replaces or deletes must lead, as the
// disk resolves it (links, "." and "..", letter case), into the route's
// Envfiles folder, the simulator's SOUND folder or the back-up folder (the
// journal into the data folder), and a VirtualStore copy into the
// VirtualStore's own Envfiles or SOUND folder. A replaced file that is a link counts where
// the link leads, since a write goes through it; an added file counts where
// its folder lies, since only its entry is ever created or deleted. Returns
// the first path that leads anywhere else; nothing when all lie inside.
std::optional<std::string> pathOutsideBounds(const StormPlan& plan);

} // namespace storm
