// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A floating-point RGBA picture, straight (not premultiplied) alpha, row 0 at
// the top; channel values in [0, 1].
#include <cstddef>
#include <vector>

namespace stormgen {

struct Pixel {
    float r = 0, g = 0, b = 0, a = 1;
};

class Image {
  public:
    Image(int width, int height)
        : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    Pixel& at(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    const Pixel& at(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }

  private:
    int m_width;
    int m_height;
    std::vector<Pixel> m_pixels;
};

// The mipmap chain from `base` (a square of power-of-two side) down to 1 x 1,
// each level a 2 x 2 box filter of the one above. With `weightByAlpha` the
// colour is averaged in proportion to alpha, so that invisible texels do not
// bleed their colour into visible ones on smaller levels.
std::vector<Image> buildMipChain(const Image& base, bool weightByAlpha);

} // namespace stormgen
