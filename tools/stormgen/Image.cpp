// SPDX-License-Identifier: GPL-3.0-or-later
#include "Image.h"

#include <stdexcept>

namespace stormgen {

namespace {

Image halve(const Image& src, bool weightByAlpha) {
    Image dst(src.width() / 2, src.height() / 2);
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            const Pixel* q[4] = {&src.at(2 * x, 2 * y), &src.at(2 * x + 1, 2 * y), &src.at(2 * x, 2 * y + 1),
                                 &src.at(2 * x + 1, 2 * y + 1)};
            double r = 0, g = 0, b = 0, a = 0, wr = 0, wg = 0, wb = 0;
            for (const Pixel* p : q) {
                r += p->r;
                g += p->g;
                b += p->b;
                a += p->a;
                wr += p->r * p->a;
                wg += p->g * p->a;
                wb += p->b * p->a;
            }
            Pixel& out = dst.at(x, y);
            if (weightByAlpha && a > 0) {
                out.r = static_cast<float>(wr / a);
                out.g = static_cast<float>(wg / a);
                out.b = static_cast<float>(wb / a);
            } else {
                out.r = static_cast<float>(r / 4);
                out.g = static_cast<float>(g / 4);
                out.b = static_cast<float>(b / 4);
            }
            out.a = static_cast<float>(a / 4);
        }
    }
    return dst;
}

} // namespace

std::vector<Image> buildMipChain(const Image& base, bool weightByAlpha) {
    const int side = base.width();
    if (side != base.height() || side <= 0 || (side & (side - 1)) != 0)
        throw std::invalid_argument("mipmapped textures must be square with a power-of-two side");
    std::vector<Image> chain{base};
    while (chain.back().width() > 1)
        chain.push_back(halve(chain.back(), weightByAlpha));
    return chain;
}

} // namespace stormgen
