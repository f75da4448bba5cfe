// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetMath.h"
#include "Noise.h"
#include "Textures.h"

#include <vector>

namespace stormgen {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return {dm::lerp(a.r, b.r, t), dm::lerp(a.g, b.g, t), dm::lerp(a.b, b.b, t)};
}

// Cloud density over one tile, in [0, 1], domain-warped for billowing shapes,
// with its coarse part kept apart for lighting (light computed from the fine
// detail would draw scratchy veins). Every term is periodic in u and v, so
// the result tiles.
struct CloudField {
    std::vector<double> density;
    std::vector<double> coarse;
};

CloudField cloudField(int side, int cells, double warp, double fineShare, std::uint64_t seed) {
    const TileableFbm warpU(3, 3, 0.5, seed ^ 0xA11CE);
    const TileableFbm warpV(3, 3, 0.5, seed ^ 0xB0B);
    const TileableFbm coarse(cells, 3, 0.5, seed);
    const TileableFbm fine(cells * 4, 3, 0.55, seed ^ 0xF1E);
    CloudField f{std::vector<double>(static_cast<size_t>(side) * side),
                 std::vector<double>(static_cast<size_t>(side) * side)};
    for (int y = 0; y < side; ++y) {
        const double v = (y + 0.5) / side;
        for (int x = 0; x < side; ++x) {
            const double u = (x + 0.5) / side;
            const double wu = u + warp * warpU.at(u, v);
            const double wv = v + warp * warpV.at(u, v);
            const double c = coarse.at(wu, wv);
            const size_t i = static_cast<size_t>(y) * side + x;
            f.coarse[i] = dm::clamp(0.5 + 0.85 * c, 0.0, 1.0);
            f.density[i] =
                dm::clamp(0.5 + 0.85 * (c * (1.0 - fineShare) + fine.at(wu, wv) * fineShare), 0.0, 1.0);
        }
    }
    return f;
}

// Density sampled with wrap-around, so lighting stays seamless too.
double wrapped(const std::vector<double>& d, int side, int x, int y) {
    x = ((x % side) + side) % side;
    y = ((y % side) + side) % side;
    return d[static_cast<size_t>(y) * side + x];
}

} // namespace

Image makeStormSky(int side) {
    const CloudField f = cloudField(side, 3, 0.07, 0.22, 0x5701A5C1ull);
    const Rgb thin{0.34, 0.38, 0.45};  // lighter grey-blue between the masses
    const Rgb thick{0.07, 0.08, 0.10}; // the dark heart of the cumulonimbus
    const Rgb lit{0.22, 0.23, 0.25};   // extra light on edges facing the light
    const int shift = side / 48;       // how far towards the light we look
    Image img(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double here = wrapped(f.density, side, x, y);
            const double thickness = dm::smoothstep(0.28, 0.78, here);
            // Where the cloud mass thins towards the light, its edge catches it.
            const double slope =
                wrapped(f.coarse, side, x, y) - wrapped(f.coarse, side, x - shift, y - shift);
            const double edge = dm::clamp(slope * 4.0, 0.0, 1.0) * (1.0 - thickness * 0.4);
            Rgb c = mix(thin, thick, thickness);
            c.r += lit.r * edge;
            c.g += lit.g * edge;
            c.b += lit.b * edge;
            img.at(x, y) = {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b), 1.0f};
        }
    }
    return img;
}

Image makeLowClouds(int side) {
    const CloudField f = cloudField(side, 3, 0.08, 0.25, 0x10C10D5ull);
    const Rgb top{0.24, 0.26, 0.30};
    const Rgb base{0.08, 0.09, 0.11};
    const int shift = side / 40;
    Image img(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double here = wrapped(f.density, side, x, y);
            // Dense cores are dark; the torn fringes are a little lighter.
            const double core = dm::smoothstep(0.45, 0.85, here);
            Rgb c = mix(top, base, core);
            const double slope = wrapped(f.coarse, side, x, y + shift) - wrapped(f.coarse, side, x, y);
            const double rim = dm::clamp(slope * 3.0, 0.0, 1.0) * 0.07;
            c.r += rim;
            c.g += rim;
            c.b += rim * 1.1;
            const double alpha = dm::smoothstep(0.30, 0.60, here) * 0.95;
            img.at(x, y) = {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b),
                            static_cast<float>(alpha)};
        }
    }
    return img;
}

Image makeTransparent(int side) {
    Image img(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            img.at(x, y) = {0.0f, 0.0f, 0.0f, 0.0f};
    return img;
}

} // namespace stormgen
