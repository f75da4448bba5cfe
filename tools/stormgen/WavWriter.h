// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes RIFF/WAVE files: PCM, 16-bit, mono, with a 16-byte fmt chunk.
#include "Dsp.h"

#include <cstdint>
#include <vector>

namespace stormgen {

// Samples in [-1, 1] (clamped), rounded to 16 bits at kSampleRate.
std::vector<std::uint8_t> encodeWav(const Signal& samples);

} // namespace stormgen
