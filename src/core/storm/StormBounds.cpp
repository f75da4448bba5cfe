// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormBounds.h"

#include "platform/FileSystem.h"

#include <vector>

namespace storm {
namespace {

struct Change {
    const std::string* path;
    const std::string* folder;
    bool throughLink;
};

} // namespace

std::optional<std::string> pathOutsideBounds(const StormPlan& plan) {
    const std::string* envfiles = &plan.envfilesFolder;
    const std::string* sound = &plan.soundFolder;
    const std::string* backups = &plan.backupFolder;
    std::vector<Change> changes = {{&plan.journal, &plan.dumpFolder, true},
                                   {&plan.routeBackupFolder, backups, false},
                                   {&plan.soundsBackupFolder, backups, false}};
    for (const ReplacedFile& f : plan.rainEnvFiles) {
        changes.push_back({&f.target, envfiles, true});
        changes.push_back({&f.backup, backups, true});
        changes.push_back({&f.stormVersion, backups, true});
    }
    for (const AddedFile& f : plan.textures)
        changes.push_back({&f.target, envfiles, false});
    for (const AddedFile& f : plan.thunderSounds)
        changes.push_back({&f.target, sound, false});
    for (const ReplacedFile& f : plan.soundSources) {
        changes.push_back({&f.target, sound, true});
        changes.push_back({&f.backup, backups, true});
    }
    // The VirtualStore's copies: replaced in its own counterparts of those folders.
    for (const ReplacedFile& f : plan.rainEnvCopies) {
        changes.push_back({&f.target, &plan.virtualEnvfilesFolder, true});
        changes.push_back({&f.backup, backups, true});
    }
    for (const ReplacedFile& f : plan.soundSourceCopies) {
        changes.push_back({&f.target, &plan.virtualSoundFolder, true});
        changes.push_back({&f.backup, backups, true});
    }
    for (const Change& change : changes) {
        const auto folder = platform::resolvedPath(*change.folder);
        if (!folder || !platform::liesInside(*change.path, *folder, change.throughLink)) return *change.path;
    }
    return std::nullopt;
}

} // namespace storm
