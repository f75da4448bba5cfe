// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormRecord.h"

#include <array>
#include <string>
#include <vector>

namespace storm {

struct StormJournal;

// A simulator file that the storm replaces, where its back-up is kept and the
// storm version that replaces it (for a rain environment file, the one made
// for it in the route's back-up folder).
struct ReplacedFile {
    std::string target;
    std::string backup;
    std::string stormVersion;
};

// A storm file that is added to the simulator under its own name.
struct AddedFile {
    std::string name;
    std::string source;
    std::string target;
};

inline constexpr std::array<const char*, 5> kTextureNames = {
    "ZKT_snowsky.ace", "ZKT_snowskylo.ace", "ZKT_LichtFlits.ace", "ZKT_Bliksem.ace", "ZKT_Transparant.ace"};
inline constexpr std::size_t kThunderSoundCount = 9;

// The name of thunder sound n (1 to 9).
std::string thunderSoundName(std::size_t n);

// Every path that installing and restoring one storm touch, joined as text
// from the program folder (ending in a separator), the simulator folder, the
// route and the file names; the platform reads doubled separators as one and
// matches names without regard to case.
struct StormPlan {
    // The only folders a storm changes: the route's Envfiles (with its
    // Textures), the simulator's SOUND and the back-up folder, and the data
    // folder that holds the journal.
    std::string envfilesFolder;
    std::string soundFolder;
    std::string backupFolder;
    std::string dumpFolder;
    std::string journal;
    std::string routeBackupFolder;  // created before the back-ups
    std::string soundsBackupFolder; // created before the back-ups
    std::string stormEnvironment;   // the storm's environment file, before each route's water is put in
    std::vector<ReplacedFile> rainEnvFiles; // in the order of the record's names
    std::array<AddedFile, 5> textures;
    std::array<AddedFile, kThunderSoundCount> thunderSounds;
    std::array<ReplacedFile, 2> soundSources; // rain_in.sms, rain_ex.sms
    // Where the VirtualStore would keep a copy of each replaced file, backed up under the file's back-up
    // name with ".VirtualStore" added and replaced by the same storm version; empty without a
    // VirtualStore. A route that lies only in the VirtualStore has its Envfiles folder there, so its rain
    // environment files have no further copy.
    std::string virtualEnvfilesFolder;
    std::string virtualSoundFolder;
    std::vector<ReplacedFile> rainEnvCopies;
    std::vector<ReplacedFile> soundSourceCopies;

    static StormPlan make(const std::string& programFolder, const StormRecord& record);
};

// A file that a storm replaces, and whether it was there before (else restoring deletes it).
struct Replacement {
    const ReplacedFile* file;
    bool existed;
};

// The rain environment files, and the rain sound sources, that the journal's
// storm replaces: each simulator file, then its VirtualStore copy where it had one.
std::vector<Replacement> replacedRainEnvFiles(const StormPlan& plan, const StormJournal& journal);
std::vector<Replacement> replacedSoundSources(const StormPlan& plan, const StormJournal& journal);

} // namespace storm
