// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavWriter.h"

#include "DetMath.h"

#include <cstring>

namespace stormgen {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Byte by byte: GCC 12 takes a range insert of a literal's bytes for an overflow.
void tag(std::vector<std::uint8_t>& out, const char* fourcc) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(fourcc[i]));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Signal& samples) {
    constexpr std::uint32_t channels = 1, bits = 16;
    constexpr std::uint32_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    tag(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, channels, 2);
    put(out, kSampleRate, 4);
    put(out, kSampleRate * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, bits, 2);
    tag(out, "data");
    put(out, dataBytes, 4);
    for (double x : samples) {
        // Symmetric range: -32768 is never used, so a full-scale wave stays
        // symmetric about zero.
        const auto v = static_cast<std::int32_t>(dm::roundHalfAway(dm::clamp(x, -1.0, 1.0) * 32767.0));
        put(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))), 2);
    }
    return out;
}

} // namespace stormgen
