// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormInstaller.h"

#include "core/storm/RouteWater.h"
#include "core/storm/StormBounds.h"
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
    // Where the storm really goes, so that restoring finds it even when the folder text later leads
    // elsewhere.
    const auto location = platform::resolvedPath(record.simulatorFolder);
    if (!location || pathOutsideBounds(plan)) return {InstallOutcome::Refused, journal};
    journal.simulatorLocation = *location;

    // Folder creations fail harmlessly when the folder exists. A back-up lives only as long as the folder
    // entry that holds it.
    m_files.createDirectory(plan.routeBackupFolder, true);
    if (!reached(Step::CreateRouteBackupFolder)) return interrupted(journal);
    // Each rain environment file is replaced by the storm's with that file's own water, composed into the
    // route's back-up folder before anything in the simulator changes: replacing it is then a plain copy.
    const auto storm = m_files.readFile(plan.stormEnvironment);
    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        if (!composeRainEnvFile(storm, plan.rainEnvFiles[i])) return {InstallOutcome::BackupFailed, journal};
        if (!reached(Step::ComposeRainEnv, i)) return interrupted(journal);
    }

    // What existed before decides, when restoring, between copying a back-up
    // back and deleting a file that the storm brought.
    for (const ReplacedFile& f : plan.rainEnvFiles)
        journal.rainEnvExisted.push_back(m_files.fileExists(f.target));
    for (std::size_t i = 0; i < 2; ++i)
        journal.rainSoundExisted[i] = m_files.fileExists(plan.soundSources[i].target);
    // On the disk before the first texture or sound is added, so that no power cut leaves them unrecorded.
    const auto text = journal.toText();
    if (!text || !m_files.writeFileAtomically(journalFile, *text, true))
        return {InstallOutcome::BackupFailed, journal};
    if (!reached(Step::WriteJournal)) return interrupted(journal);

    m_files.createDirectory(plan.soundsBackupFolder, true);
    if (!reached(Step::CreateSoundsBackupFolder)) return interrupted(journal);

    std::vector<const ReplacedFile*> envFiles;
    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        envFiles.push_back(&plan.rainEnvFiles[i]);
        m_files.copyFile(plan.rainEnvFiles[i].target, plan.rainEnvFiles[i].backup, false, true);
        if (!reached(Step::BackUpRainEnv, i)) return interrupted(journal);
    }
    if (!backupsMatch(envFiles, journal.rainEnvExisted)) return undo(plan, journal);
    if (!reached(Step::VerifyRainEnvBackups)) return interrupted(journal);

    // Storm textures and sounds never overwrite what is there.
    for (std::size_t i = 0; i < plan.textures.size(); ++i) {
        if (m_files.copyFile(plan.textures[i].source, plan.textures[i].target, true, false))
            journal.addedTextures.push_back(plan.textures[i].name);
        if (!reached(Step::CopyTexture, i)) return interrupted(journal);
    }
    for (std::size_t i = 0; i < plan.thunderSounds.size(); ++i) {
        if (m_files.copyFile(plan.thunderSounds[i].source, plan.thunderSounds[i].target, true, false))
            journal.addedSounds.push_back(plan.thunderSounds[i].name);
        if (!reached(Step::CopyThunderSound, i)) return interrupted(journal);
    }

    for (std::size_t i = 0; i < 2; ++i) {
        m_files.copyFile(plan.soundSources[i].target, plan.soundSources[i].backup, false, true);
        if (!reached(Step::BackUpSoundSource, i)) return interrupted(journal);
    }
    if (!backupsMatch({&plan.soundSources[0], &plan.soundSources[1]},
                      {journal.rainSoundExisted[0], journal.rainSoundExisted[1]}))
        return undo(plan, journal);
    if (!reached(Step::VerifySoundSourceBackups)) return interrupted(journal);

    // From here on restoring copies the back-ups back; the mark is on the disk before any replacement, and
    // after every back-up it vouches for.
    journal.stage = StormJournal::Stage::Replacing;
    const auto replacing = journal.toText();
    if (!replacing || !m_files.writeFileAtomically(journalFile, *replacing, true)) {
        journal.stage = StormJournal::Stage::BackingUp;
        return undo(plan, journal);
    }
    if (!reached(Step::MarkReplacing)) return interrupted(journal);

    for (std::size_t i = 0; i < 2; ++i) {
        m_files.copyFile(plan.soundSources[i].stormVersion, plan.soundSources[i].target, false, false);
        if (!reached(Step::ReplaceSoundSource, i)) return interrupted(journal);
    }
    for (std::size_t i = 0; i < plan.rainEnvFiles.size(); ++i) {
        m_files.copyFile(plan.rainEnvFiles[i].stormVersion, plan.rainEnvFiles[i].target, false, false);
        if (!reached(Step::ReplaceRainEnv, i)) return interrupted(journal);
    }
    return {InstallOutcome::Installed, journal};
}

bool StormInstaller::composeRainEnvFile(const std::optional<std::string>& storm, const ReplacedFile& file) {
    if (!storm) {
        // A storm file missing from the data folder is not installed, and no file composed for an earlier
        // storm may stand in for it.
        m_files.deleteFile(file.stormVersion, true);
        return !m_files.fileExists(file.stormVersion);
    }
    const std::string composed = withRouteWater(*storm, m_files.readFile(file.target).value_or(""));
    return m_files.writeFileAtomically(file.stormVersion, composed, true);
}

bool StormInstaller::backupsMatch(const std::vector<const ReplacedFile*>& replaced,
                                  const std::vector<bool>& existed) {
    // A file the simulator does not have needs no back-up: restoring deletes what the storm put there.
    for (std::size_t i = 0; i < replaced.size(); ++i)
        if (existed[i] && !m_files.sameContents(replaced[i]->target, replaced[i]->backup)) return false;
    return true;
}

InstallResult StormInstaller::undo(const StormPlan& plan, StormJournal journal) {
    for (const AddedFile& f : plan.textures)
        if (std::find(journal.addedTextures.begin(), journal.addedTextures.end(), f.name) !=
            journal.addedTextures.end())
            m_files.deleteFile(f.target, false);
    for (const AddedFile& f : plan.thunderSounds)
        if (std::find(journal.addedSounds.begin(), journal.addedSounds.end(), f.name) !=
            journal.addedSounds.end())
            m_files.deleteFile(f.target, false);
    m_files.deleteFile(plan.journal, false);
    return {InstallOutcome::BackupFailed, journal};
}

} // namespace storm
