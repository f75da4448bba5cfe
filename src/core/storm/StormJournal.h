// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormRecord.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace storm {

// The record on disk of a storm that is, or is being, installed. It is
// written before the storm's first change to the simulator and removed when
// restoring has put everything back, so a storm outlives a forced end of the
// program: the next start finds it and offers the restore button again.
struct StormJournal {
    enum class Stage {
        BackingUp, // back-ups are being taken: nothing in the simulator is replaced yet
        Replacing, // every back-up exists and matches its original: replacing may have begun
    };
    Stage stage = Stage::BackingUp;
    StormRecord record;
    // Where record.simulatorFolder led on this machine when the storm was
    // installed (resolvedPath). The same text may lead elsewhere at a later
    // start (another Wine prefix, drive mapping or working folder); the storm
    // is where this says. Empty in a journal of an older version.
    std::string simulatorLocation;
    std::vector<bool> rainEnvExisted;       // per name of record.rainEnvNames
    std::array<bool, 2> rainSoundExisted{}; // per name of record.rainSoundNames
    // Which files had a copy in record.virtualStoreFolder, backed up and replaced there too.
    std::vector<bool> rainEnvCopyExisted;       // per name of record.rainEnvNames; empty: none had one
    std::array<bool, 2> rainSoundCopyExisted{}; // per name of record.rainSoundNames
    // The storm's own files: textures and thunder sounds the simulator lacked, which this storm adds.
    // Restoring deletes these and no other.
    std::vector<std::string> addedTextures; // in the route's Envfiles\Textures
    std::vector<std::string> addedSounds;   // in SOUND

    bool operator==(const StormJournal&) const = default;

    // The journal as the text of its file; nothing when a name cannot be
    // written on one line.
    std::optional<std::string> toText() const;
    // Nothing when the text is not a complete, consistent journal: a file
    // that is cut short, edited into nonsense, or names files a storm never
    // touches is never acted on.
    static std::optional<StormJournal> parse(std::string_view text);
};

// Where the journal lives: in the data folder, beside (not inside) the settings file.
std::string journalPath(const std::string& programFolder);

// The files a journal's storm replaced in the VirtualStore, as paths inside it
// ("SOUND\rain_in.sms"): the copies there, and the rain environment files of a
// route that lies there.
std::vector<std::string> replacedInVirtualStore(const StormJournal& journal);

// The simulator folder a journal's storm is installed in: the location it
// recorded, else (an older journal) its folder text.
std::string installedSimulatorFolder(const StormJournal& journal);

} // namespace storm
