// SPDX-License-Identifier: GPL-3.0-or-later
#include "Thunder.h"

#include "DetMath.h"
#include "Rng.h"

#include <algorithm>
#include <cmath>

namespace stormgen {

namespace {

Signal whiteNoise(Rng& rng, int n) {
    Signal s(n);
    for (double& x : s)
        x = rng.bipolar();
    return s;
}

// A swell and decay starting at t = 0: quick or slow rise, exponential fall.
double swell(double t, double attack, double decay) {
    if (t < 0) return 0;
    return (1.0 - dm::exp(-t / attack)) * dm::exp(-t / decay);
}

// Slow random flutter around 1, the "rolling" of a long rumble.
Signal flutter(Rng& rng, int n, double hz, double depth) {
    Signal f = whiteNoise(rng, n);
    Biquad lp1 = Biquad::lowPass(hz), lp2 = Biquad::lowPass(hz);
    lp1.run(f);
    lp2.run(f);
    double peak = 1e-12;
    for (double x : f)
        peak = std::max(peak, std::fabs(x));
    for (double& x : f)
        x = std::max(0.15, 1.0 + depth * x / peak);
    return f;
}

// The low roll: band-limited noise under an envelope of several swells.
Signal rumble(Rng& rng, int n, const ThunderRecipe& r, double start) {
    Signal low = whiteNoise(rng, n);
    Signal mid = whiteNoise(rng, n);
    const double lowHz = dm::lerp(170.0, 95.0, r.distance);
    Biquad a = Biquad::lowPass(lowHz), b = Biquad::lowPass(lowHz), hp = Biquad::highPass(28.0);
    Biquad bp = Biquad::bandPass(dm::lerp(420.0, 260.0, r.distance), 0.9);
    for (int i = 0; i < n; ++i) {
        low[i] = hp.process(b.process(a.process(low[i])));
        mid[i] = bp.process(mid[i]);
    }
    const Signal wobble = flutter(rng, n, dm::lerp(5.0, 2.5, r.distance), 0.75);

    // Each roll is an echo from a different part of the channel: later ones
    // arrive softer and swell more slowly.
    std::vector<double> at(static_cast<size_t>(r.rolls)), amp(r.rolls), attack(r.rolls), decay(r.rolls);
    for (int k = 0; k < r.rolls; ++k) {
        const double frac = r.rolls > 1 ? static_cast<double>(k) / (r.rolls - 1) : 0.0;
        at[k] = start + r.rollSpread * frac + rng.uniform(-0.15, 0.25) * (k > 0);
        amp[k] = (k == 0 ? 1.0 : rng.uniform(0.45, 0.95)) * (1.0 - 0.35 * frac);
        attack[k] = rng.uniform(0.05, 0.25) + 0.35 * r.distance;
        decay[k] = r.rumbleDecay * rng.uniform(0.7, 1.3);
    }
    const double midWeight = 0.55 * (1.0 - r.distance);
    // The envelope changes slowly (its fastest rise takes 50 ms), so it is
    // computed every kStep samples and interpolated in between.
    constexpr int kStep = 16;
    auto envelopeAt = [&](int i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double env = 0;
        for (int k = 0; k < r.rolls; ++k)
            env += amp[k] * swell(t - at[k], attack[k], decay[k]);
        return env;
    };
    Signal out(n);
    double envA = envelopeAt(0);
    for (int i0 = 0; i0 < n; i0 += kStep) {
        const double envB = envelopeAt(i0 + kStep);
        for (int i = i0; i < std::min(n, i0 + kStep); ++i) {
            const double env = envA + (envB - envA) * (i - i0) / kStep;
            out[i] = (low[i] * 3.0 + mid[i] * midWeight) * env * wobble[i];
        }
        envA = envB;
    }
    return out;
}

// The strike itself: a broadband crack with a low thump under it.
void addClap(Rng& rng, Signal& out, double onset, double level) {
    const int n = static_cast<int>(out.size());
    const int first = samplesFor(onset);
    const int len = std::min(n - first, samplesFor(1.6));
    Biquad hp = Biquad::highPass(220.0);
    double phase = 0;
    for (int i = 0; i < len; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double crack = hp.process(rng.bipolar()) * swell(t, 0.0015, 0.055);
        const double hz = 32.0 + 55.0 * dm::exp(-t / 0.12);
        phase += dm::kTwoPi * hz / kSampleRate;
        const double thump = dm::sin(phase) * swell(t, 0.004, 0.30);
        out[first + i] += level * (crack * 0.9 + thump * 0.8);
    }
}

// Crackle: a rain of short sharp ticks, thickest just after the strike.
void addCrackle(Rng& rng, Signal& out, double onset, double amount) {
    const int n = static_cast<int>(out.size());
    const double span = 0.4 + 1.6 * amount;
    const int ticks = static_cast<int>(40 + 260 * amount);
    Signal ticksBuf(n, 0.0);
    for (int k = 0; k < ticks; ++k) {
        const double u = rng.uniform();
        const int at = samplesFor(onset + span * u * u);
        const int len = 2 + rng.below(50);
        const double a = rng.uniform(0.15, 1.0) * rng.uniform(0.3, 1.0) * (1.0 - 0.6 * u);
        for (int i = 0; i < len && at + i < n; ++i)
            ticksBuf[at + i] += a * rng.bipolar() * dm::exp(-static_cast<double>(i) / (len * 0.3));
    }
    Biquad hp1 = Biquad::highPass(700.0), hp2 = Biquad::highPass(700.0);
    for (int i = 0; i < n; ++i)
        out[i] += 0.9 * amount * hp2.process(hp1.process(ticksBuf[i]));
}

// Air absorbs the highs of far thunder: a close strike keeps its crack up to
// the top of the band, the farthest only its roll below about 350 Hz.
void distanceFilter(Signal& s, double distance) {
    if (distance <= 0.25) return;
    const double hz = 9600.0 * dm::exp(-distance * 3.5);
    Biquad a = Biquad::lowPass(hz), b = Biquad::lowPass(hz);
    for (double& x : s)
        x = b.process(a.process(x));
}

Signal thunderBody(const ThunderRecipe& r, Rng& rng) {
    const int n = samplesFor(r.seconds);
    const double first = r.claps.empty() ? 0.15 : r.claps.front();
    Signal s = rumble(rng, n, r, first + 0.05);
    // Near strikes only: far away the crack is lost and only the roll remains.
    const double clapLevel = dm::clamp(1.0 - 1.4 * r.distance, 0.0, 1.0);
    for (size_t k = 0; k < r.claps.size(); ++k) {
        if (clapLevel > 0) addClap(rng, s, r.claps[k], clapLevel * (k == 0 ? 1.0 : 0.8));
        if (r.crackle > 0) addCrackle(rng, s, r.claps[k], r.crackle * (k == 0 ? 1.0 : 0.6));
    }
    distanceFilter(s, r.distance);
    Biquad dc = Biquad::highPass(25.0);
    dc.run(s);
    return s;
}

} // namespace

Signal synthesizeThunder(const ThunderRecipe& recipe) {
    Rng rng(recipe.seed);
    Signal s = thunderBody(recipe, rng);
    applyFades(s, 0.004 + 0.25 * recipe.distance, std::min(1.5, recipe.seconds * 0.2));
    normalisePeak(s, recipe.peakDb);
    return s;
}

Signal synthesizeRainLoop(double loopSeconds, double peakDb, std::uint64_t seed) {
    Rng rng(seed);
    const double fadeSeconds = 1.5;
    const int n = samplesFor(loopSeconds + fadeSeconds);

    // Hiss of the rain itself, breathing slowly: a broad band and the bright
    // sizzle of countless small drops above it.
    Signal s = whiteNoise(rng, n);
    const Signal sizzle = whiteNoise(rng, n);
    Biquad hp = Biquad::highPass(450.0), lp = Biquad::lowPass(5000.0);
    Biquad hpHigh1 = Biquad::highPass(5500.0), hpHigh2 = Biquad::highPass(5500.0),
           lpHigh = Biquad::lowPass(10000.0);
    const Signal breath = flutter(rng, n, 0.4, 0.18);
    for (int i = 0; i < n; ++i)
        s[i] = (lp.process(hp.process(s[i])) * 0.35 +
                lpHigh.process(hpHigh2.process(hpHigh1.process(sizzle[i]))) * 0.3) *
               breath[i];

    // Drops on roof and leaves: random ticks ringing at a few pitches, the
    // highest the splash of drops on hard surfaces.
    Biquad rings[4] = {Biquad::bandPass(1300.0, 5.0), Biquad::bandPass(2300.0, 6.0),
                       Biquad::bandPass(3400.0, 6.0), Biquad::bandPass(6800.0, 4.0)};
    Signal drops[4] = {Signal(n, 0.0), Signal(n, 0.0), Signal(n, 0.0), Signal(n, 0.0)};
    const int dropCount = static_cast<int>(140 * (loopSeconds + fadeSeconds));
    for (int k = 0; k < dropCount; ++k) {
        const int at = rng.below(n);
        const double a = rng.uniform() * rng.uniform();
        drops[rng.below(4)][at] += (rng.uniform() < 0.5 ? -a : a);
    }
    for (int band = 0; band < 4; ++band)
        for (int i = 0; i < n; ++i)
            s[i] += 1.6 * rings[band].process(drops[band][i]);

    // Two far rolls of thunder, well clear of each other.
    const ThunderRecipe far1{5.5, 0.92, {}, 0.0, 3, 2.0, 1.4, 0.0, seed ^ 0xFA1ull};
    const ThunderRecipe far2{4.5, 0.97, {}, 0.0, 2, 1.5, 1.2, 0.0, seed ^ 0xFA2ull};
    const double starts[2] = {1.0, 7.0};
    const double levels[2] = {1.3, 1.0};
    const ThunderRecipe* recipes[2] = {&far1, &far2};
    for (int k = 0; k < 2; ++k) {
        Rng thunderRng(recipes[k]->seed);
        Signal t = thunderBody(*recipes[k], thunderRng);
        applyFades(t, 0.4, 1.5);
        normalisePeak(t, 0.0);
        const int at = samplesFor(starts[k]);
        for (size_t i = 0; i < t.size() && at + static_cast<int>(i) < n; ++i)
            s[at + i] += levels[k] * t[i];
    }

    Biquad dc = Biquad::highPass(25.0);
    dc.run(s);
    Signal loop = makeSeamlessLoop(s, samplesFor(loopSeconds), samplesFor(fadeSeconds));
    normalisePeak(loop, peakDb);
    return loop;
}

std::vector<Signal> synthesizeThunderSet() {
    // seconds, distance, claps, crackle, rolls, spread, decay, peak dBFS, seed
    const ThunderRecipe recipes[8] = {
        // 1: a close, sharp clap with a short grumble after it
        {4.0, 0.0, {0.05}, 0.6, 2, 0.6, 0.7, -1.0, 0x0E1ull},
        // 2: a close strike, then a long rolling rumble
        {9.0, 0.15, {0.08}, 0.4, 5, 4.0, 1.6, -1.0, 0x0E2ull},
        // 3: middle distance, a heavy roll
        {7.0, 0.45, {0.3}, 0.15, 4, 3.0, 1.3, -3.0, 0x0E3ull},
        // 4: a ripping crackle right overhead, brief
        {3.0, 0.0, {0.04}, 1.0, 1, 0.0, 0.5, -1.5, 0x0E4ull},
        // 5: far away, a low muffled roll
        {10.0, 0.8, {0.15}, 0.0, 4, 5.5, 1.8, -9.0, 0x0E5ull},
        // 6: very far, a long faint growl
        {12.0, 0.95, {0.2}, 0.0, 5, 8.0, 2.0, -12.0, 0x0E6ull},
        // 7: two strikes in quick succession, then a roll
        {8.0, 0.2, {0.06, 1.3}, 0.5, 4, 3.5, 1.3, -1.0, 0x0E7ull},
        // 8: middle distance, several separate swells
        {6.0, 0.55, {0.2}, 0.1, 6, 4.0, 0.7, -4.0, 0x0E8ull},
    };
    std::vector<Signal> set;
    for (const ThunderRecipe& r : recipes)
        set.push_back(synthesizeThunder(r));
    set.push_back(synthesizeRainLoop(12.0, -5.0, 0x0E9ull));
    return set;
}

} // namespace stormgen
