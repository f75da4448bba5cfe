// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormInstaller.h"

#include "core/storm/RouteWater.h"
#include "core/storm/StormBounds.h"
#include "core/storm/StormRestorer.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace storm {

std::string_view stepName(Step step) {
    switch (step) {
    case Step::CreateRouteBackupFolder:
        return "CreateRouteBackupFolder";
    case Step::ComposeRainEnv:
        return "ComposeRainEnv";
    case Step::WriteJournal:
        return "WriteJournal";
    case Step::CreateSoundsBackupFolder:
        return "CreateSoundsBackupFolder";
    case Step::BackUpRainEnv:
        return "BackUpRainEnv";
    case Step::VerifyRainEnvBackups:
        return "VerifyRainEnvBackups";
    case Step::CopyTexture:
        return "CopyTexture";
    case Step::CopyThunderSound:
        return "CopyThunderSound";
    case Step::BackUpSoundSource:
        return "BackUpSoundSource";
    case Step::VerifySoundSourceBackups:
        return "VerifySoundSourceBackups";
    case Step::MarkReplacing:
        return "MarkReplacing";
    case Step::ReplaceSoundSource:
        return "ReplaceSoundSource";
    case Step::ReplaceRainEnv:
        return "ReplaceRainEnv";
    case Step::VerifyStorm:
        return "VerifyStorm";
    case Step::WriteReport:
        return "WriteReport";
    case Step::Lock:
        return "Lock";
    }
    return "?";
}

InstallResult StormInstaller::install(const StormRecord& record) {
    const StormPlan plan = StormPlan::make(m_programFolder, record);
    const std::string journalFile = plan.journal;
    const auto interrupted = [](const StormJournal& j) {
        return InstallResult{InstallOutcome::Interrupted, j};
    };

    StormJournal journal;
    journal.record = record;
    // The back-up folder is the data folder's own; one that went missing is made again, on the disk, before
    // the bounds are judged and the back-ups are taken in it.
    if (!platform::folderExists(plan.backupFolder)) m_files.createDirectory(plan.backupFolder, true);
    // Where the storm really goes, so that restoring finds it even when the folder text later leads
    // elsewhere.
    const auto location = platform::resolvedPath(record.simulatorFolder);
    if (!location) return {InstallOutcome::Refused, journal};
    if (auto outside = pathOutsideBounds(plan))
        return {InstallOutcome::Refused, journal, FileProblem{std::move(*outside), {}, true}};
    journal.simulatorLocation = *location;
    // Nothing is changed for a storm that cannot go in whole.
    if (auto obstacle = firstObstacle(m_files, plan)) return {InstallOutcome::Blocked, journal, obstacle};

    // Folder creations fail harmlessly when the folder exists. A back-up lives only as long as the folder
    // entry that holds it.
    m_files.createDirectory(plan.routeBackupFolder, true);
    if (!reached(Step::CreateRouteBackupFolder)) return interrupted(journal);
    // What existed before decides, when restoring, between copying a back-up
    // back and deleting a file that the storm brought. A VirtualStore copy is only ever replaced.
    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        journal.rainEnvExisted.push_back(m_files.fileExists(plan.rainEnvFiles[i].target));
        journal.rainEnvCopyExisted.push_back(i < plan.rainEnvCopies.size() &&
                                             m_files.fileExists(plan.rainEnvCopies[i].target));
    }
    for (std::size_t i = 0; i < 2; ++i) {
        journal.rainSoundExisted[i] = m_files.fileExists(plan.soundSources[i].target);
        journal.rainSoundCopyExisted[i] =
            i < plan.soundSourceCopies.size() && m_files.fileExists(plan.soundSourceCopies[i].target);
    }
    // Each rain environment file is replaced by the storm's with that file's own water, composed into the
    // route's back-up folder before anything in the simulator changes: replacing it is then a plain copy.
    // The water is the one the simulator shows: its VirtualStore copy's where it reads that.
    const auto storm = m_files.readFile(plan.stormEnvironment);
    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        const ReplacedFile& read =
            journal.rainEnvCopyExisted[i] ? plan.rainEnvCopies[i] : plan.rainEnvFiles[i];
        if (!composeRainEnvFile(storm, read.target, plan.rainEnvFiles[i].stormVersion))
            return {InstallOutcome::BackupFailed, journal};
        if (!reached(Step::ComposeRainEnv, i)) return interrupted(journal);
    }
    // Only what the simulator lacks now is the storm's to add, and later to delete: a texture or sound of
    // the player's own under a storm name is never touched. On the disk before the first one is added, so
    // that no forced end leaves an added file unrecorded.
    for (const AddedFile& f : plan.textures)
        if (!m_files.fileExists(f.target)) journal.addedTextures.push_back(f.name);
    for (const AddedFile& f : plan.thunderSounds)
        if (!m_files.fileExists(f.target)) journal.addedSounds.push_back(f.name);
    const auto text = journal.toText();
    if (!text || !m_files.writeFileAtomically(journalFile, *text, true))
        return {InstallOutcome::BackupFailed, journal};
    if (!reached(Step::WriteJournal)) return interrupted(journal);

    m_files.createDirectory(plan.soundsBackupFolder, true);
    if (!reached(Step::CreateSoundsBackupFolder)) return interrupted(journal);

    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        m_files.copyFile(plan.rainEnvFiles[i].target, plan.rainEnvFiles[i].backup, false, true);
        if (journal.rainEnvCopyExisted[i])
            m_files.copyFile(plan.rainEnvCopies[i].target, plan.rainEnvCopies[i].backup, false, true);
        if (!reached(Step::BackUpRainEnv, i)) return interrupted(journal);
    }
    if (!backupsMatch(replacedRainEnvFiles(plan, journal)))
        return takeOut(journal, InstallOutcome::BackupFailed);
    if (!reached(Step::VerifyRainEnvBackups)) return interrupted(journal);

    std::optional<FileProblem> failed;
    for (std::size_t i = 0; i < plan.textures.size(); ++i) {
        if (!addFile(plan.textures[i], journal.addedTextures, failed))
            return takeOut(journal, InstallOutcome::RolledBack, std::move(failed));
        if (!reached(Step::CopyTexture, i)) return interrupted(journal);
    }
    for (std::size_t i = 0; i < plan.thunderSounds.size(); ++i) {
        if (!addFile(plan.thunderSounds[i], journal.addedSounds, failed))
            return takeOut(journal, InstallOutcome::RolledBack, std::move(failed));
        if (!reached(Step::CopyThunderSound, i)) return interrupted(journal);
    }

    for (std::size_t i = 0; i < 2; ++i) {
        m_files.copyFile(plan.soundSources[i].target, plan.soundSources[i].backup, false, true);
        if (journal.rainSoundCopyExisted[i])
            m_files.copyFile(plan.soundSourceCopies[i].target, plan.soundSourceCopies[i].backup, false, true);
        if (!reached(Step::BackUpSoundSource, i)) return interrupted(journal);
    }
    if (!backupsMatch(replacedSoundSources(plan, journal)))
        return takeOut(journal, InstallOutcome::BackupFailed);
    if (!reached(Step::VerifySoundSourceBackups)) return interrupted(journal);

    // From here on restoring copies the back-ups back; the mark is on the disk before any replacement, and
    // after every back-up it vouches for.
    journal.stage = StormJournal::Stage::Replacing;
    const auto replacing = journal.toText();
    if (!replacing || !m_files.writeFileAtomically(journalFile, *replacing, true)) {
        journal.stage = StormJournal::Stage::BackingUp;
        return takeOut(journal, InstallOutcome::BackupFailed);
    }
    if (!reached(Step::MarkReplacing)) return interrupted(journal);

    const auto replace = [&](const ReplacedFile& f) -> std::optional<FileProblem> {
        if (m_files.copyFile(f.stormVersion, f.target, false, false)) return std::nullopt;
        return FileProblem{f.target, {m_files.lastFailure()}};
    };
    const auto sounds = replacedSoundSources(plan, journal);
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (auto problem = replace(*sounds[i].file))
            return takeOut(journal, InstallOutcome::RolledBack, std::move(problem));
        if (!reached(Step::ReplaceSoundSource, i)) return interrupted(journal);
    }
    const auto envs = replacedRainEnvFiles(plan, journal);
    for (std::size_t i = 0; i < envs.size(); ++i) {
        if (auto problem = replace(*envs[i].file))
            return takeOut(journal, InstallOutcome::RolledBack, std::move(problem));
        if (!reached(Step::ReplaceRainEnv, i)) return interrupted(journal);
    }
    // A copy can report success and still not leave the storm behind (a file changed meanwhile).
    if (auto wrong = firstFileWithoutItsStorm(plan, journal))
        return takeOut(journal, InstallOutcome::RolledBack, FileProblem{std::move(*wrong), {}});
    if (!reached(Step::VerifyStorm)) return interrupted(journal);
    return {InstallOutcome::Installed, journal};
}

bool StormInstaller::addFile(const AddedFile& file, const std::vector<std::string>& added,
                             std::optional<FileProblem>& failed) {
    // Only a name the journal gives the storm is added; any other is the player's and stays as it is.
    if (std::find(added.begin(), added.end(), file.name) == added.end()) return true;
    if (m_files.copyFile(file.source, file.target, true, false)) return true;
    failed = FileProblem{file.target, {m_files.lastFailure()}};
    return false;
}

std::optional<std::string> StormInstaller::firstFileWithoutItsStorm(const StormPlan& plan,
                                                                    const StormJournal& journal) {
    for (const auto& group : {replacedSoundSources(plan, journal), replacedRainEnvFiles(plan, journal)})
        for (const Replacement& r : group)
            if (!m_files.sameContents(r.file->stormVersion, r.file->target)) return r.file->target;
    const auto addedIntact = [&](const AddedFile& f, const std::vector<std::string>& added) {
        return std::find(added.begin(), added.end(), f.name) == added.end() ||
               m_files.sameContents(f.source, f.target);
    };
    for (const AddedFile& f : plan.textures)
        if (!addedIntact(f, journal.addedTextures)) return f.target;
    for (const AddedFile& f : plan.thunderSounds)
        if (!addedIntact(f, journal.addedSounds)) return f.target;
    return std::nullopt;
}

InstallResult StormInstaller::takeOut(StormJournal journal, InstallOutcome outcome,
                                      std::optional<FileProblem> problem) {
    // The journal on the disk already names everything this run may have changed: the restore button's
    // own restorer takes it out, and leaves the journal where something could not be taken out.
    const RestoreResult undone = StormRestorer(m_files, m_programFolder).restore(journal);
    if (undone.complete()) return {outcome, journal, std::move(problem)};
    if (!problem && !undone.notRestored.empty()) problem = FileProblem{undone.notRestored.front(), {}};
    return {InstallOutcome::RollbackFailed, journal, std::move(problem)};
}

bool StormInstaller::composeRainEnvFile(const std::optional<std::string>& storm, const std::string& routeFile,
                                        const std::string& stormVersion) {
    if (!storm) return false; // it could be read a moment ago, when nothing had changed yet
    const std::string composed = withRouteWater(*storm, m_files.readFile(routeFile).value_or(""));
    return m_files.writeFileAtomically(stormVersion, composed, true);
}

bool StormInstaller::backupsMatch(const std::vector<Replacement>& replaced) {
    // A file the simulator does not have needs no back-up: restoring deletes what the storm put there.
    for (const Replacement& r : replaced)
        if (r.existed && !m_files.sameContents(r.file->target, r.file->backup)) return false;
    return true;
}

} // namespace storm
