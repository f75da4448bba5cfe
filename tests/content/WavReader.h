// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reader of RIFF/WAVE files that keeps every structural field, for checking
// the generated sounds chunk by chunk.
#include <cstdint>
#include <string>
#include <vector>

namespace content_tests {

struct WavChunk {
    std::string id;
    std::uint32_t size;
    std::size_t dataAt; // file offset of the chunk's contents
};

struct WavFile {
    std::string riff, wave;
    std::uint32_t riffSize;
    std::vector<WavChunk> chunks;
    std::uint16_t formatTag = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
    std::uint32_t sampleRate = 0, byteRate = 0;
    std::vector<std::int16_t> samples; // from the data chunk
};

// Throws std::runtime_error when the chunk structure runs past the end.
WavFile readWav(const std::vector<std::uint8_t>& bytes);

// Measurements on 16-bit samples, in full-scale units (32768 = 1).
double peakDbfs(const std::vector<std::int16_t>& s);
double rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count);

} // namespace content_tests
