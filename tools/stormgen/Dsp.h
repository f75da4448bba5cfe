// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small signal-processing pieces for the thunder synthesiser. All coefficients
// come from the generator's own deterministic sin/cos/exp.
#include <vector>

namespace stormgen {

using Signal = std::vector<double>;

inline constexpr int kSampleRate = 11025;

// Second-order section (RBJ cookbook), transposed direct form II.
class Biquad {
  public:
    static Biquad lowPass(double hz, double q = 0.7071);
    static Biquad highPass(double hz, double q = 0.7071);
    static Biquad bandPass(double hz, double q); // 0 dB at the centre

    double process(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return y;
    }
    void run(Signal& s) {
        for (double& x : s)
            x = process(x);
    }

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double z1_ = 0, z2_ = 0;
};

// Seconds to whole samples at kSampleRate.
int samplesFor(double seconds);

// Scales so that the largest magnitude is `peakDb` dBFS; silence stays silent.
void normalisePeak(Signal& s, double peakDb);

// Raised-sine fade over the first `inSeconds` and last `outSeconds`.
void applyFades(Signal& s, double inSeconds, double outSeconds);

// Turns `s` (longer than `loopSamples` by at least `fadeSamples`) into a loop
// of exactly `loopSamples`: what follows the loop point is faded in over the
// start with an equal-power cross-fade. The first output sample is then the
// input sample right after the last one kept, so the seam is as smooth as any
// other step of the signal.
Signal makeSeamlessLoop(const Signal& s, int loopSamples, int fadeSamples);

} // namespace stormgen
