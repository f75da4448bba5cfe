// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small signal-processing pieces for the thunder synthesiser. All coefficients
// come from the generator's own deterministic sin/cos/exp.
#include <vector>

namespace stormgen {

using Signal = std::vector<double>;

// 22050 Hz keeps what rain and close strikes have above 5.5 kHz, the hiss and
// the crackle, which 11025 Hz would cut off.
inline constexpr int kSampleRate = 22050;

// Second-order section (RBJ cookbook), transposed direct form II.
class Biquad {
  public:
    static Biquad lowPass(double hz, double q = 0.7071);
    static Biquad highPass(double hz, double q = 0.7071);
    static Biquad bandPass(double hz, double q); // 0 dB at the centre

    double process(double x) {
        const double y = m_b0 * x + m_z1;
        m_z1 = m_b1 * x - m_a1 * y + m_z2;
        m_z2 = m_b2 * x - m_a2 * y;
        return y;
    }
    void run(Signal& s) {
        for (double& x : s)
            x = process(x);
    }

  private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double m_b0, m_b1, m_b2, m_a1, m_a2;
    double m_z1 = 0, m_z2 = 0;
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
