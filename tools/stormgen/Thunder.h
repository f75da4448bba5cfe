// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthesised thunder: a lightning clap, crackle and a rolling rumble, shaped
// by distance. And the rain bed, a seamless loop of rain with far thunder.
#include "Dsp.h"

#include <cstdint>
#include <vector>

namespace stormgen {

struct ThunderRecipe {
    double seconds;            // total length
    double distance;           // 0 overhead .. 1 far beyond the hills
    std::vector<double> claps; // onset of each strike, seconds
    double crackle;            // 0 none .. 1 a long ripping crackle
    int rolls;                 // echoes of the roll, each a swell and decay
    double rollSpread;         // seconds over which the rolls arrive
    double rumbleDecay;        // time constant of each roll's decay, seconds
    double peakDb;             // loudest sample, dBFS
    std::uint64_t seed;
};

// One thunder sound, faded in and out, peak at recipe.peakDb.
Signal synthesizeThunder(const ThunderRecipe& recipe);

// The rain bed: steady rain with distant rolls of thunder, exactly
// `loopSeconds` long and seamless when repeated; peak at `peakDb`.
Signal synthesizeRainLoop(double loopSeconds, double peakDb, std::uint64_t seed);

// The nine sounds in file order: eight thunders, then the rain bed.
std::vector<Signal> synthesizeThunderSet();

} // namespace stormgen
