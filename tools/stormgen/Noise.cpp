// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include "Rng.h"

#include <cmath>

namespace stormgen {

namespace {

// Sixteen directions of unit length, so no trigonometry is needed per cell.
constexpr double kDirections[16][2] = {
    {1.0, 0.0},
    {0.9238795325112867, 0.3826834323650898},
    {0.7071067811865476, 0.7071067811865476},
    {0.3826834323650898, 0.9238795325112867},
    {0.0, 1.0},
    {-0.3826834323650898, 0.9238795325112867},
    {-0.7071067811865476, 0.7071067811865476},
    {-0.9238795325112867, 0.3826834323650898},
    {-1.0, 0.0},
    {-0.9238795325112867, -0.3826834323650898},
    {-0.7071067811865476, -0.7071067811865476},
    {-0.3826834323650898, -0.9238795325112867},
    {0.0, -1.0},
    {0.3826834323650898, -0.9238795325112867},
    {0.7071067811865476, -0.7071067811865476},
    {0.9238795325112867, -0.3826834323650898},
};

int wrap(int i, int period) {
    const int m = i % period;
    return m < 0 ? m + period : m;
}

// Quintic fade: continuous second derivative, so no creases between cells.
double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

} // namespace

void PeriodicNoise::gradient(int ix, int iy, double& gx, double& gy) const {
    const std::uint64_t key = m_seed ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ix)) << 32) ^
                              static_cast<std::uint64_t>(static_cast<std::uint32_t>(iy));
    const auto& d = kDirections[mix64(key) & 15];
    gx = d[0];
    gy = d[1];
}

double PeriodicNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double tx = x - fx;
    const double ty = y - fy;
    const int x0 = wrap(static_cast<int>(fx), m_period);
    const int y0 = wrap(static_cast<int>(fy), m_period);
    const int x1 = wrap(x0 + 1, m_period);
    const int y1 = wrap(y0 + 1, m_period);

    double gx, gy;
    gradient(x0, y0, gx, gy);
    const double n00 = gx * tx + gy * ty;
    gradient(x1, y0, gx, gy);
    const double n10 = gx * (tx - 1.0) + gy * ty;
    gradient(x0, y1, gx, gy);
    const double n01 = gx * tx + gy * (ty - 1.0);
    gradient(x1, y1, gx, gy);
    const double n11 = gx * (tx - 1.0) + gy * (ty - 1.0);

    const double u = fade(tx);
    const double v = fade(ty);
    const double a = n00 + (n10 - n00) * u;
    const double b = n01 + (n11 - n01) * u;
    // Scale so that the typical extreme is near 1.
    return (a + (b - a) * v) * 1.41421356237309504880;
}

TileableFbm::TileableFbm(int baseCells, int octaves, double gain, std::uint64_t seed)
    : m_baseCells(baseCells), m_octaves(octaves), m_gain(gain), m_seed(seed) {
    double amp = 1.0;
    double total = 0.0;
    for (int o = 0; o < m_octaves; ++o) {
        total += amp;
        amp *= m_gain;
    }
    m_norm = 1.0 / total;
}

double TileableFbm::at(double u, double v) const {
    double sum = 0.0;
    double amp = 1.0;
    int cells = m_baseCells;
    for (int o = 0; o < m_octaves; ++o) {
        const PeriodicNoise layer(cells, mix64(m_seed + 0x51ED270B27E1A1ull * (o + 1)));
        sum += amp * layer.at(u * cells, v * cells);
        amp *= m_gain;
        cells *= 2;
    }
    return sum * m_norm;
}

} // namespace stormgen
