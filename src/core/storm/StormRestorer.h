// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"
#include "core/storm/StormJournal.h"
#include "core/storm/StormPlan.h"

#include <string>
#include <vector>

namespace storm {

struct RestoreResult {
    // Simulator files (and, last, the journal) that could not be put back as
    // they were; empty when the simulator is as it was and the journal is gone.
    std::vector<std::string> notRestored;
    // The simulator folder the storm is installed in is not there (another
    // drive mapping or Wine prefix): nothing was touched, the storm stays on record.
    std::optional<std::string> missingSimulator;
    bool complete() const { return notRestored.empty() && !missingSimulator; }
};

// Puts the simulator back as the journal says it was, in the folder the storm
// was installed in, whatever the settings name now: copies each back-up over
// the file the storm replaced and over its VirtualStore copy (or deletes the
// file where the simulator had none), deletes the textures and sounds the storm added, and removes the
// journal last, only when everything else succeeded and is on the disk, so that a storm that could not be
// taken out completely is still on record. Nothing is touched when a path would lead outside the storm's
// folders.
class StormRestorer {
  public:
    StormRestorer(StormFiles& files, std::string programFolder)
        : m_files(files), m_programFolder(std::move(programFolder)) {}

    RestoreResult restore(const StormJournal& journal);

  private:
    bool putBack(const std::string& target, const std::string& backup, bool existed);
    void remove(const std::string& target, RestoreResult& result);
    void removeTemporaryFiles(const StormPlan& plan);

    StormFiles& m_files;
    std::string m_programFolder;
};

struct KeptAside {
    bool complete = false; // the back-ups and the journal are both in `folder`
    std::string folder;    // "Dump\storm_kept_<stamp>", or empty when none could be made
    std::string backups;   // where the back-ups are now
};

// Moves the journal and the whole back-up folder into a new folder
// "Dump\storm_kept_<stamp>" and makes a fresh, empty back-up folder, so that
// a storm that is given up on keeps every back-up it had and no later storm
// can overwrite them. When something cannot be moved, what was moved stays
// moved and nothing is deleted; the result says where the back-ups are.
KeptAside keepAside(StormFiles& files, const std::string& programFolder, const std::string& stamp);

} // namespace storm
