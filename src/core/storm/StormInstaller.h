// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"
#include "core/storm/StormJournal.h"
#include "core/storm/StormObstacles.h"
#include "core/storm/StormPlan.h"
#include "core/storm/StormSteps.h"

namespace storm {

enum class InstallOutcome {
    Installed,      // every file holds its storm version; the journal says Replacing
    Refused,        // a path of the storm would lead outside its folders (the problem, where one is
                    // named): nothing was changed
    Blocked,        // a file cannot be read or changed (the problem): nothing was changed
    BackupFailed,   // nothing in the simulator was replaced, what this run added is removed again, no journal
    RolledBack,     // a change did not take (the problem): every change was put back, no journal is left
    RollbackFailed, // as RolledBack, but not everything could be put back: the journal stays
    Interrupted,    // the step hook ended the run
};

struct InstallResult {
    InstallOutcome outcome;
    StormJournal journal;               // as last written
    std::optional<FileProblem> problem; // what stopped a Blocked or rolled-back installation
};

// Installs the storm's files for a record that route inspection accepted.
// Every path is checked first to lead only into the storm's own folders, and
// every file to be readable or changeable, before anything changes. Then the
// storm's environment file is composed with each rain environment file's own
// water into the route's back-up folder (failing there changes nothing in the
// simulator and ends as BackupFailed). The back-ups are taken, put on the disk
// and checked byte for byte before the first simulator file is replaced, and
// the journal is on the disk before the first change. A storm is reported
// installed only when every replaced file holds its storm version and every
// added file its bytes; otherwise every change is put back.
class StormInstaller {
  public:
    StormInstaller(StormFiles& files, std::string programFolder, StepHook hook = {})
        : m_files(files), m_programFolder(std::move(programFolder)), m_hook(std::move(hook)) {}

    InstallResult install(const StormRecord& record);

  private:
    bool reached(Step step, std::size_t index = 0) { return !m_hook || m_hook({step, index}); }
    bool composeRainEnvFile(const std::optional<std::string>& storm, const std::string& routeFile,
                            const std::string& stormVersion);
    bool backupsMatch(const std::vector<Replacement>& replaced);
    // Puts back what this run changed; `outcome` when that succeeds, RollbackFailed when not.
    InstallResult takeOut(StormJournal journal, InstallOutcome outcome,
                          std::optional<FileProblem> problem = {});
    bool addFile(const AddedFile& file, const std::vector<std::string>& added,
                 std::optional<FileProblem>& failed);
    std::optional<std::string> firstFileWithoutItsStorm(const StormPlan& plan, const StormJournal& journal);

    StormFiles& m_files;
    std::string m_programFolder;
    StepHook m_hook;
};

} // namespace storm
