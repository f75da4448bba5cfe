// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dsp.h"

#include "DetMath.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace stormgen {

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : m_b0(b0 / a0), m_b1(b1 / a0), m_b2(b2 / a0), m_a1(a1 / a0), m_a2(a2 / a0) {}

Biquad Biquad::lowPass(double hz, double q) {
    const double w = dm::kTwoPi * hz / kSampleRate;
    const double c = dm::cos(w), alpha = dm::sin(w) / (2.0 * q);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::highPass(double hz, double q) {
    const double w = dm::kTwoPi * hz / kSampleRate;
    const double c = dm::cos(w), alpha = dm::sin(w) / (2.0 * q);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::bandPass(double hz, double q) {
    const double w = dm::kTwoPi * hz / kSampleRate;
    const double c = dm::cos(w), alpha = dm::sin(w) / (2.0 * q);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

int samplesFor(double seconds) {
    return static_cast<int>(dm::roundHalfAway(seconds * kSampleRate));
}

void normalisePeak(Signal& s, double peakDb) {
    double peak = 0;
    for (double x : s)
        peak = std::max(peak, std::fabs(x));
    if (peak == 0) return;
    const double gain = dm::dbToGain(peakDb) / peak;
    for (double& x : s)
        x *= gain;
}

void applyFades(Signal& s, double inSeconds, double outSeconds) {
    const int n = static_cast<int>(s.size());
    const int fadeIn = std::min(n, samplesFor(inSeconds));
    const int fadeOut = std::min(n, samplesFor(outSeconds));
    for (int i = 0; i < fadeIn; ++i)
        s[i] *= 0.5 - 0.5 * dm::cos(dm::kPi * i / fadeIn);
    // The last sample lands exactly on zero.
    for (int i = 0; i < fadeOut; ++i)
        s[n - 1 - i] *= 0.5 - 0.5 * dm::cos(dm::kPi * i / fadeOut);
}

Signal makeSeamlessLoop(const Signal& s, int loopSamples, int fadeSamples) {
    if (static_cast<int>(s.size()) < loopSamples + fadeSamples || fadeSamples <= 0)
        throw std::invalid_argument("loop source too short for its cross-fade");
    Signal out(s.begin(), s.begin() + loopSamples);
    for (int i = 0; i < fadeSamples; ++i) {
        const double theta = dm::kPi / 2 * i / fadeSamples;
        out[i] = s[i] * dm::sin(theta) + s[loopSamples + i] * dm::cos(theta);
    }
    return out;
}

} // namespace stormgen
