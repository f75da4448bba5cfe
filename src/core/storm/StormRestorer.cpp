// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormRestorer.h"

#include "core/storm/StormBounds.h"
#include "core/storm/StormPlan.h"
#include "platform/FileNames.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace storm {
namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

RestoreResult StormRestorer::restore(const StormJournal& journal) {
    RestoreResult result;
    // Never into another simulator that the settings may lead to now: its
    // files would be overwritten with this one's back-ups.
    StormRecord installed = journal.record;
    installed.simulatorFolder = installedSimulatorFolder(journal);
    if (!platform::folderExists(installed.simulatorFolder)) {
        result.missingSimulator = installed.simulatorFolder;
        return result;
    }
    const StormPlan plan = StormPlan::make(m_programFolder, installed);
    if (const auto outside = pathOutsideBounds(plan)) {
        result.notRestored.push_back(*outside);
        return result;
    }
    // Before the Replacing mark nothing was replaced, and back-ups may be
    // stale or half taken: only the storm's own names are removed.
    const bool replaced = journal.stage == StormJournal::Stage::Replacing;

    const auto putBackAll = [&](const std::vector<Replacement>& files) {
        for (const Replacement& r : files)
            if (!putBack(r.file->target, r.file->backup, r.existed))
                result.notRestored.push_back(r.file->target);
    };
    if (replaced) putBackAll(replacedRainEnvFiles(plan, journal));
    // Only what this storm added: a file under a storm name that was there before is the player's.
    for (const AddedFile& f : plan.textures)
        if (listed(journal.addedTextures, f.name)) remove(f.target, result);
    for (const AddedFile& f : plan.thunderSounds)
        if (listed(journal.addedSounds, f.name)) remove(f.target, result);
    if (replaced) putBackAll(replacedSoundSources(plan, journal));

    removeTemporaryFiles(plan);

    // Every change above is on the disk: a power cut after this still finds each file put back.
    if (result.complete()) {
        m_files.deleteFile(plan.journal, true);
        if (m_files.fileExists(plan.journal)) result.notRestored.push_back(plan.journal);
    }
    return result;
}

bool StormRestorer::putBack(const std::string& target, const std::string& backup, bool existed) {
    if (!existed) {
        m_files.deleteFile(target, true);
        return !m_files.fileExists(target);
    }
    // Judged by the result: a read-only file the storm could not replace is already as it was.
    m_files.copyFile(backup, target, false, true);
    return m_files.sameContents(backup, target);
}

void StormRestorer::removeTemporaryFiles(const StormPlan& plan) {
    // A copy cut short by a forced end leaves its data under a temporary name; only those in the storm's
    // own folders go, and only by that name.
    for (const std::string& folder :
         {plan.envfilesFolder, plan.envfilesFolder + "\\Textures", plan.soundFolder,
          plan.virtualEnvfilesFolder, plan.virtualSoundFolder}) {
        if (folder.empty()) continue; // no VirtualStore
        for (const platform::FindEntry& entry :
             platform::findFiles(folder + "\\.brontara-*.tmp", platform::AnyFile))
            if (platform::isTemporaryFileName(entry.name))
                m_files.deleteFile(folder + "\\" + entry.name, false);
    }
}

void StormRestorer::remove(const std::string& target, RestoreResult& result) {
    m_files.deleteFile(target, true);
    if (m_files.fileExists(target)) result.notRestored.push_back(target);
}

KeptAside keepAside(StormFiles& files, const std::string& programFolder, const std::string& stamp) {
    const std::string dump = programFolder + "Dump\\";
    KeptAside kept;
    kept.backups = dump + "back_up";
    std::string folder = dump + "storm_kept_" + stamp;
    for (int n = 2; !files.createDirectory(folder, true); ++n) {
        if (n > 99) return kept;
        folder = dump + "storm_kept_" + stamp + "_" + std::to_string(n);
    }
    kept.folder = folder;
    // The back-ups first: a journal set aside without them would leave them to be overwritten.
    if (!files.moveEntry(dump + "back_up", folder + "\\back_up")) return kept;
    kept.backups = folder + "\\back_up";
    files.createDirectory(dump + "back_up", true);
    kept.complete = files.moveEntry(journalPath(programFolder), folder + "\\storm_journal.ini");
    return kept;
}

} // namespace storm
