// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <functional>
#include <string_view>

namespace storm {

// The installation's steps in the order they run. Some run once per file:
// StepPoint::index tells which (the rain environment name, texture, sound).
enum class Step {
    CreateRouteBackupFolder,  // back_up\<route>
    ComposeRainEnv,           // per rain environment name: the storm's file with that file's water
    WriteJournal,             // the journal, before anything in the simulator changes
    CreateSoundsBackupFolder, // back_up\Sounds
    BackUpRainEnv,            // per rain environment name
    VerifyRainEnvBackups,
    CopyTexture,       // per texture, never overwriting
    CopyThunderSound,  // per sound, never overwriting
    BackUpSoundSource, // rain_in.sms, rain_ex.sms
    VerifySoundSourceBackups,
    MarkReplacing,      // the journal, now that every back-up is safe
    ReplaceSoundSource, // rain_in.sms, rain_ex.sms
    ReplaceRainEnv,     // per rain environment name
    VerifyStorm,        // every replaced and added file holds the storm's bytes
    WriteReport,
    Lock,
};

struct StepPoint {
    Step step;
    std::size_t index = 0;
    bool operator==(const StepPoint&) const = default;
};

// Called after each step; returning false ends the installation right there,
// as a forced end of the program would (tests use it for fault injection).
using StepHook = std::function<bool(const StepPoint&)>;

std::string_view stepName(Step step);

} // namespace storm
