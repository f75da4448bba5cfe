// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes uncompressed, mipmapped .ace textures in channel rows.
#include "Image.h"

#include <cstdint>
#include <vector>

namespace stormgen {

enum class AceLayout {
    Opaque, // R, G, B
    Alpha,  // R, G, B, 1-bit mask, 8-bit alpha
};

// The whole file for a mipmap chain as made by buildMipChain.
std::vector<std::uint8_t> encodeAce(const std::vector<Image>& chain, AceLayout layout);

} // namespace stormgen
