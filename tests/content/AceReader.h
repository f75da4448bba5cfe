#pragma once
// A reader of uncompressed channel-row .ace textures, written from the format
// notes alone, for checking what the generator wrote.
#include <cstdint>
#include <string>
#include <vector>

namespace content_tests {

struct AceChannel {
    std::uint64_t bits;
    std::uint64_t type; // 2 mask, 3 red, 4 green, 5 blue, 6 alpha
};

// One mipmap level, each channel expanded to one byte per texel (mask: 0 or 1).
struct AceLevel {
    int side;
    std::vector<std::vector<std::uint8_t>> planes; // in descriptor order
};

struct AceFile {
    std::string signature;
    std::int32_t one, flags, width, height, surface, channelCount;
    std::vector<AceChannel> channels;
    std::vector<std::uint32_t> rowOffsets; // as stored (from offset 0x10)
    std::vector<std::uint32_t> expectedRowOffsets;
    std::size_t expectedFileSize;
    std::vector<AceLevel> levels;
};

// Reads headers, descriptors and the offset table, and the pixel data by
// following the stored offsets. Throws std::runtime_error on a malformed file.
AceFile readAce(const std::vector<std::uint8_t>& bytes);

// The surface format code that says what the channels hold: 0x11 with an
// 8-bit alpha, 0x10 with only a 1-bit mask, 0x0E when opaque.
std::int32_t surfaceCodeFor(const std::vector<AceChannel>& channels);

// The plane of channel `type` in a level, or nullptr.
const std::vector<std::uint8_t>* plane(const AceFile& f, const AceLevel& level, std::uint64_t type);

} // namespace content_tests
