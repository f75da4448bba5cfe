#include "AceReader.h"

#include <stdexcept>

namespace content_tests {

namespace {

std::uint64_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    if (at + bytes > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<std::uint64_t>(b[at + i]) << (8 * i);
    return v;
}

std::int32_t i32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(le(b, at, 4)));
}

} // namespace

AceFile readAce(const std::vector<std::uint8_t>& b) {
    AceFile f{};
    if (b.size() < 0xA8) throw std::runtime_error("shorter than the header");
    f.signature.assign(b.begin(), b.begin() + 16);
    f.one = i32(b, 0x10);
    f.flags = i32(b, 0x14);
    f.width = i32(b, 0x18);
    f.height = i32(b, 0x1C);
    f.surface = i32(b, 0x20);
    f.channelCount = i32(b, 0x24);
    if (f.channelCount <= 0 || f.channelCount > 8 || f.width <= 0 || f.width != f.height || f.width > 4096 ||
        (f.width & (f.width - 1)) != 0)
        throw std::runtime_error("implausible size or channel count");
    for (int c = 0; c < f.channelCount; ++c)
        f.channels.push_back({le(b, 0xA8 + 16 * c, 8), le(b, 0xA8 + 16 * c + 8, 8)});

    std::size_t rowBytesPerTexel8 = 0, maskChannels = 0;
    for (const AceChannel& c : f.channels) {
        if (c.bits == 8)
            ++rowBytesPerTexel8;
        else if (c.bits == 1)
            ++maskChannels;
        else
            throw std::runtime_error("channel of " + std::to_string(c.bits) + " bits");
    }
    auto rowBytes = [&](int w) { return rowBytesPerTexel8 * w + maskChannels * ((w + 7) / 8); };

    // With mipmaps: levels side, side/2, ..., 1; their rows all in one table.
    std::vector<int> sides;
    for (int s = f.width; s >= 1; s /= 2) {
        sides.push_back(s);
        if (!(f.flags & 1)) break;
    }
    std::size_t rows = 0;
    for (int s : sides)
        rows += s;
    const std::size_t table = 0xA8 + 16 * f.channels.size();
    std::size_t pos = table + 4 * rows;
    for (int s : sides)
        for (int y = 0; y < s; ++y, pos += rowBytes(s))
            f.expectedRowOffsets.push_back(static_cast<std::uint32_t>(pos - 16));
    f.expectedFileSize = pos;
    for (std::size_t r = 0; r < rows; ++r)
        f.rowOffsets.push_back(static_cast<std::uint32_t>(le(b, table + 4 * r, 4)));

    // Pixel data, by the stored offsets.
    std::size_t row = 0;
    for (int s : sides) {
        AceLevel level{s, std::vector<std::vector<std::uint8_t>>(
                              f.channels.size(), std::vector<std::uint8_t>(std::size_t(s) * s))};
        for (int y = 0; y < s; ++y, ++row) {
            std::size_t at = std::size_t(f.rowOffsets[row]) + 16;
            for (std::size_t c = 0; c < f.channels.size(); ++c) {
                if (f.channels[c].bits == 1) {
                    for (int x = 0; x < s; ++x)
                        level.planes[c][std::size_t(y) * s + x] = (le(b, at + x / 8, 1) >> (7 - x % 8)) & 1;
                    at += (s + 7) / 8;
                } else {
                    for (int x = 0; x < s; ++x)
                        level.planes[c][std::size_t(y) * s + x] = static_cast<std::uint8_t>(le(b, at + x, 1));
                    at += s;
                }
            }
        }
        f.levels.push_back(std::move(level));
    }
    return f;
}

std::int32_t surfaceCodeFor(const std::vector<AceChannel>& channels) {
    bool mask = false;
    for (const AceChannel& c : channels) {
        if (c.type == 6 && c.bits == 8) return 0x11;
        mask |= c.type == 2;
    }
    return mask ? 0x10 : 0x0E;
}

const std::vector<std::uint8_t>* plane(const AceFile& f, const AceLevel& level, std::uint64_t type) {
    for (std::size_t c = 0; c < f.channels.size(); ++c)
        if (f.channels[c].type == type) return &level.planes[c];
    return nullptr;
}

} // namespace content_tests
