// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormObstacles.h"

#include <utility>
#include <vector>

namespace storm {

std::optional<FileProblem> firstObstacle(StormFiles& files, const StormPlan& plan) {
    using platform::Access;
    std::vector<std::pair<std::string, Access>> checks;
    // Brontara's own files first: without them nothing can go in whole. (The rain environment files' storm
    // versions are composed from the storm's environment file later.)
    checks.emplace_back(plan.stormEnvironment, Access::Read);
    for (const ReplacedFile& f : plan.soundSources)
        checks.emplace_back(f.stormVersion, Access::Read);
    for (const AddedFile& f : plan.textures)
        checks.emplace_back(f.source, Access::Read);
    for (const AddedFile& f : plan.thunderSounds)
        checks.emplace_back(f.source, Access::Read);
    // Then what the storm changes in the simulator.
    for (const ReplacedFile& f : plan.rainEnvFiles)
        checks.emplace_back(f.target, Access::Replace);
    for (const ReplacedFile& f : plan.soundSources)
        checks.emplace_back(f.target, Access::Replace);
    // A VirtualStore copy is replaced only where there is one.
    for (const auto* copies : {&plan.rainEnvCopies, &plan.soundSourceCopies})
        for (const ReplacedFile& f : *copies)
            if (files.fileExists(f.target)) checks.emplace_back(f.target, Access::Replace);
    checks.emplace_back(plan.envfilesFolder + "\\Textures", Access::AddFile);
    checks.emplace_back(plan.soundFolder, Access::AddFile);

    for (const auto& [path, access] : checks)
        if (const auto refusal = files.whyRefused(path, access)) return FileProblem{path, *refusal};
    return std::nullopt;
}

} // namespace storm
