// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gradient noise on a torus: the lattice wraps after a whole number of cells,
// so a texture sampled over one period tiles without a seam in either
// direction (the sky dome wraps around the horizon; layers may be tiled).
#include <cstdint>

namespace stormgen {

class PeriodicNoise {
  public:
    // period: lattice cells per tile, in both directions.
    PeriodicNoise(int period, std::uint64_t seed) : m_period(period), m_seed(seed) {}

    // Noise at lattice coordinates (x, y); roughly in [-1, 1], 0 at every
    // lattice point. Equal at (x, y), (x + period, y) and (x, y + period).
    double at(double x, double y) const;

    int period() const { return m_period; }

  private:
    void gradient(int ix, int iy, double& gx, double& gy) const;

    int m_period;
    std::uint64_t m_seed;
};

// Fractal sum of periodic noise over a unit tile: u, v in [0, 1) map onto
// `baseCells` cells, each further octave doubles the cells and multiplies the
// amplitude by `gain`. Result normalised to roughly [-1, 1].
class TileableFbm {
  public:
    TileableFbm(int baseCells, int octaves, double gain, std::uint64_t seed);

    double at(double u, double v) const;

  private:
    int m_baseCells;
    int m_octaves;
    double m_gain;
    std::uint64_t m_seed;
    double m_norm;
};

} // namespace stormgen
