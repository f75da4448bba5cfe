// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavReader.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace content_tests {

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    if (at + bytes > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
    return v;
}

} // namespace

WavFile readWav(const std::vector<std::uint8_t>& b) {
    WavFile w;
    if (b.size() < 12) throw std::runtime_error("shorter than a RIFF header");
    w.riff.assign(b.begin(), b.begin() + 4);
    w.riffSize = le(b, 4, 4);
    w.wave.assign(b.begin() + 8, b.begin() + 12);
    for (std::size_t at = 12; at < b.size();) {
        const WavChunk c{std::string(b.begin() + at, b.begin() + at + 4), le(b, at + 4, 4), at + 8};
        if (c.dataAt + c.size > b.size()) throw std::runtime_error("chunk '" + c.id + "' runs past the end");
        w.chunks.push_back(c);
        at = c.dataAt + c.size + (c.size & 1);
    }
    for (const WavChunk& c : w.chunks) {
        if (c.id == "fmt " && c.size >= 16) {
            w.formatTag = static_cast<std::uint16_t>(le(b, c.dataAt, 2));
            w.channels = static_cast<std::uint16_t>(le(b, c.dataAt + 2, 2));
            w.sampleRate = le(b, c.dataAt + 4, 4);
            w.byteRate = le(b, c.dataAt + 8, 4);
            w.blockAlign = static_cast<std::uint16_t>(le(b, c.dataAt + 12, 2));
            w.bitsPerSample = static_cast<std::uint16_t>(le(b, c.dataAt + 14, 2));
        } else if (c.id == "data") {
            for (std::size_t i = 0; i + 1 < c.size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le(b, c.dataAt + i, 2)));
        }
    }
    return w;
}

double peakDbfs(const std::vector<std::int16_t>& s) {
    int peak = 0;
    for (std::int16_t x : s)
        peak = std::max(peak, std::abs(static_cast<int>(x)));
    return peak == 0 ? -200.0 : 20.0 * std::log10(peak / 32768.0);
}

double rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i)
        sum += (s[i] / 32768.0) * (s[i] / 32768.0);
    return count == 0 ? 0.0 : std::sqrt(sum / count);
}

} // namespace content_tests
