// SPDX-License-Identifier: GPL-3.0-or-later
#include "storm/StormRestorer.h"

#include "storm/StormPlan.h"

#include <algorithm>

namespace storm {
namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

RestoreResult StormRestorer::restore(const StormJournal& journal) {
    const StormPlan plan = StormPlan::make(programFolder_, journal.record);
    // Before the Replacing mark nothing was replaced, and back-ups may be
    // stale or half taken: only the storm's own names are removed.
    const bool replaced = journal.stage == StormJournal::Stage::Replacing;
    RestoreResult result;

    if (replaced)
        for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i)
            if (!putBack(plan.rainEnvFiles[i].target, plan.rainEnvFiles[i].backup, journal.rainEnvExisted[i]))
                result.notRestored.push_back(plan.rainEnvFiles[i].target);
    // Deleted whether or not this storm brought them; a name it did bring must go.
    for (const AddedFile& f : plan.textures)
        remove(f.target, listed(journal.addedTextures, f.name), result);
    for (const AddedFile& f : plan.thunderSounds)
        remove(f.target, listed(journal.addedSounds, f.name), result);
    if (replaced)
        for (std::size_t i = 0; i < 2; ++i)
            if (!putBack(plan.soundSources[i].target, plan.soundSources[i].backup,
                         journal.rainSoundExisted[i]))
                result.notRestored.push_back(plan.soundSources[i].target);

    if (result.complete()) {
        const std::string journalFile = journalPath(programFolder_);
        files_.deleteFile(journalFile);
        if (files_.fileExists(journalFile)) result.notRestored.push_back(journalFile);
    }
    return result;
}

bool StormRestorer::putBack(const std::string& target, const std::string& backup, bool existed) {
    if (!existed) {
        files_.deleteFile(target);
        return !files_.fileExists(target);
    }
    // Judged by the result: a read-only file the storm could not replace is already as it was.
    files_.copyFile(backup, target, false);
    return files_.sameContents(backup, target);
}

void StormRestorer::remove(const std::string& target, bool added, RestoreResult& result) {
    files_.deleteFile(target);
    if (added && files_.fileExists(target)) result.notRestored.push_back(target);
}

std::optional<std::string> keepAside(StormFiles& files, const std::string& programFolder,
                                     const std::string& stamp) {
    const std::string dump = programFolder + "Dump\\";
    std::string folder = dump + "storm_kept_" + stamp;
    for (int n = 2; !files.createDirectory(folder); ++n) {
        if (n > 99) return std::nullopt;
        folder = dump + "storm_kept_" + stamp + "_" + std::to_string(n);
    }
    // The back-ups first: a journal set aside without them would leave them to be overwritten.
    if (!files.moveEntry(dump + "back_up", folder + "\\back_up")) return std::nullopt;
    files.createDirectory(dump + "back_up");
    if (!files.moveEntry(journalPath(programFolder), folder + "\\storm_journal.ini")) return std::nullopt;
    return folder;
}

} // namespace storm
