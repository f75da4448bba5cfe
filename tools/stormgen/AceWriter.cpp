#include "AceWriter.h"

#include "DetMath.h"

#include <cstring>
#include <stdexcept>

namespace stormgen {

namespace {

constexpr char kSignature[] = "SIMISA@@@@@@@@@@";
constexpr std::int32_t kFlagMipmaps = 0x01;
// Surface format codes. A reader that trusts the code over the channel
// descriptors draws a texture marked opaque without its transparency, so the
// code must say what the channels hold (0x10 would be a 1-bit mask alone).
constexpr std::int32_t kOpaqueCode = 0x0E;
constexpr std::int32_t kAlphaCode = 0x11; // RGB with an 8-bit alpha
constexpr size_t kDescriptorsAt = 0xA8;

enum ChannelType : std::uint64_t { Mask = 2, Red = 3, Green = 4, Blue = 5, AlphaChannel = 6 };

struct Channel {
    std::uint64_t bits;
    ChannelType type;
};

void putU32(std::vector<std::uint8_t>& out, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void putU64(std::vector<std::uint8_t>& out, size_t at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(dm::roundHalfAway(dm::clamp(v, 0.0, 1.0) * 255.0));
}

size_t rowBytes(const std::vector<Channel>& channels, int width) {
    size_t n = 0;
    for (const Channel& c : channels)
        n += c.bits == 1 ? static_cast<size_t>((width + 7) / 8) : static_cast<size_t>(width);
    return n;
}

void appendRow(std::vector<std::uint8_t>& out, const Image& img, int y,
               const std::vector<Channel>& channels) {
    const int w = img.width();
    for (const Channel& c : channels) {
        if (c.type == Mask) {
            // Most significant bit is the leftmost pixel; set where alpha >= 128.
            for (int x0 = 0; x0 < w; x0 += 8) {
                std::uint8_t bits = 0;
                for (int k = 0; k < 8 && x0 + k < w; ++k)
                    if (toByte(img.at(x0 + k, y).a) >= 128) bits |= static_cast<std::uint8_t>(0x80 >> k);
                out.push_back(bits);
            }
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const Pixel& p = img.at(x, y);
            const float v = c.type == Red ? p.r : c.type == Green ? p.g : c.type == Blue ? p.b : p.a;
            out.push_back(toByte(v));
        }
    }
}

} // namespace

std::vector<std::uint8_t> encodeAce(const std::vector<Image>& chain, AceLayout layout) {
    if (chain.empty() || chain.back().width() != 1)
        throw std::invalid_argument("the mipmap chain must run down to 1 x 1");
    std::vector<Channel> channels{{8, Red}, {8, Green}, {8, Blue}};
    if (layout == AceLayout::Alpha) {
        channels.push_back({1, Mask});
        channels.push_back({8, AlphaChannel});
    }

    size_t rows = 0;
    for (const Image& level : chain)
        rows += static_cast<size_t>(level.height());
    const size_t tableAt = kDescriptorsAt + 16 * channels.size();
    const size_t dataAt = tableAt + 4 * rows;

    std::vector<std::uint8_t> out(dataAt, 0);
    std::memcpy(out.data(), kSignature, 16);
    putU32(out, 0x10, 1);
    putU32(out, 0x14, kFlagMipmaps);
    putU32(out, 0x18, static_cast<std::uint32_t>(chain.front().width()));
    putU32(out, 0x1C, static_cast<std::uint32_t>(chain.front().height()));
    putU32(out, 0x20, layout == AceLayout::Alpha ? kAlphaCode : kOpaqueCode);
    putU32(out, 0x24, static_cast<std::uint32_t>(channels.size()));
    for (size_t i = 0; i < channels.size(); ++i) {
        putU64(out, kDescriptorsAt + 16 * i, channels[i].bits);
        putU64(out, kDescriptorsAt + 16 * i + 8, channels[i].type);
    }

    // Offsets count from 0x10, the end of the signature.
    size_t row = 0;
    size_t pos = dataAt;
    for (const Image& level : chain) {
        const size_t bytes = rowBytes(channels, level.width());
        for (int y = 0; y < level.height(); ++y, ++row, pos += bytes)
            putU32(out, tableAt + 4 * row, static_cast<std::uint32_t>(pos - 0x10));
    }
    out.reserve(pos);
    for (const Image& level : chain)
        for (int y = 0; y < level.height(); ++y)
            appendRow(out, level, y, channels);
    return out;
}

} // namespace stormgen
