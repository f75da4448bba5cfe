// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "storm/StormFiles.h"
#include "storm/StormJournal.h"

#include <string>
#include <vector>

namespace storm {

struct RestoreResult {
    // Simulator files (and, last, the journal) that could not be put back as
    // they were; empty when the simulator is as it was and the journal is gone.
    std::vector<std::string> notRestored;
    bool complete() const { return notRestored.empty(); }
};

// Puts the simulator back as the journal says it was: copies each back-up
// over the file the storm replaced (or deletes the file where the simulator
// had none), deletes the storm's texture and sound names, and removes the
// journal last, only when everything else succeeded, so that a storm that
// could not be taken out completely is still on record.
class StormRestorer {
  public:
    StormRestorer(StormFiles& files, std::string programFolder)
        : files_(files), programFolder_(std::move(programFolder)) {}

    RestoreResult restore(const StormJournal& journal);

  private:
    bool putBack(const std::string& target, const std::string& backup, bool existed);
    void remove(const std::string& target, bool added, RestoreResult& result);

    StormFiles& files_;
    std::string programFolder_;
};

// Moves the journal and the whole back-up folder into a new folder
// "Dump\storm_kept_<stamp>" and makes a fresh, empty back-up folder, so that
// a storm that is given up on keeps every back-up it had and no later storm
// can overwrite them. Returns the new folder, or nothing when the back-ups
// or the journal could not be moved (what was moved stays moved; nothing is
// deleted).
std::optional<std::string> keepAside(StormFiles& files, const std::string& programFolder,
                                     const std::string& stamp);

} // namespace storm
