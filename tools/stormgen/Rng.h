// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator's only source of randomness: SplitMix64, whose output is fixed
// by its definition, so every seed gives the same stream on every platform.
// (The standard distributions are deliberately not used: their algorithms
// differ between library implementations.)
#include <cstdint>

namespace stormgen {

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), 53 random bits.
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform in [-1, 1).
    double bipolar() { return 2.0 * uniform() - 1.0; }
    // Integer in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }
    // Bell-shaped in [-1, 1], standard deviation about 0.29: the mean of four
    // uniforms, cheap and free of logarithms.
    double bell() { return (bipolar() + bipolar() + bipolar() + bipolar()) * 0.25; }

  private:
    std::uint64_t m_state;
};

// A stateless 64-bit mix, for hashing lattice points.
inline std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace stormgen
