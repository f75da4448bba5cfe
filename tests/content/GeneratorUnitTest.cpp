// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the generator on their own: its deterministic maths, the tiling
// noise, the loop cross-fade, number formatting, and its writers read back
// with the tests' independent readers.
#include "AceReader.h"
#include "WavReader.h"

#include "AceWriter.h"
#include "DetMath.h"
#include "Dsp.h"
#include "Noise.h"
#include "Rng.h"
#include "StfWriter.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace content_tests {
namespace {

namespace dm = stormgen::dm;

TEST(contentGeneratorMath, MatchesTheLibraryWithinRounding) {
    const double xs[] = {-700.5, -20.0, -3.0, -1.0,     -0.3466, -1e-9, 0.0,
                         1e-9,   0.5,   1.0,  2.302585, 10.0,    50.0};
    for (double x : xs)
        EXPECT_NEAR(dm::exp(x) / std::exp(x), 1.0, 4e-15) << "exp(" << x << ")";
    const double angles[] = {-1000.0,  -7.0,     -3.14159, -1.0,    -0.1, 0.0,   0.1,
                             0.785398, 1.570796, 2.5,      3.14159, 6.3,  1234.5};
    for (double a : angles) {
        EXPECT_NEAR(dm::sin(a), std::sin(a), 2e-15) << "sin(" << a << ")";
        EXPECT_NEAR(dm::cos(a), std::cos(a), 2e-15) << "cos(" << a << ")";
    }
    EXPECT_EQ(dm::exp(-800.0), 0.0);
    EXPECT_NEAR(dm::dbToGain(-6.0), 0.501187, 1e-6);
    EXPECT_NEAR(dm::dbToGain(20.0), 10.0, 1e-12);
}

TEST(contentGeneratorRng, SameSeedSameStreamAndUniform) {
    stormgen::Rng a(42), b(42), c(43);
    double sum = 0;
    bool differs = false;
    for (int i = 0; i < 20000; ++i) {
        const double u = a.uniform();
        ASSERT_EQ(u, b.uniform());
        differs |= u != c.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
    }
    EXPECT_TRUE(differs);
    EXPECT_NEAR(sum / 20000, 0.5, 0.01);
    for (int i = 0; i < 1000; ++i) {
        const int k = a.below(7);
        ASSERT_TRUE(k >= 0 && k < 7) << k;
        const double bell = a.bell();
        ASSERT_TRUE(bell >= -1 && bell <= 1) << bell;
    }
}

TEST(contentGeneratorNoise, WrapsAfterItsPeriodInBothDirections) {
    const stormgen::PeriodicNoise n(5, 99);
    const double points[][2] = {{0.25, 0.75}, {1.5, 3.2}, {4.99, 0.01}, {2.0, 2.0}, {3.7, 4.4}};
    for (const auto& p : points) {
        EXPECT_NEAR(n.at(p[0], p[1]), n.at(p[0] + 5, p[1]), 1e-12);
        EXPECT_NEAR(n.at(p[0], p[1]), n.at(p[0], p[1] - 5), 1e-12);
        EXPECT_LE(std::fabs(n.at(p[0], p[1])), 1.5);
    }
    EXPECT_EQ(n.at(2.0, 3.0), 0.0) << "gradient noise vanishes on the lattice";
    const stormgen::TileableFbm f(3, 5, 0.5, 7);
    for (const auto& p : points) {
        const double u = p[0] / 5, v = p[1] / 5;
        EXPECT_NEAR(f.at(u, v), f.at(u + 1, v), 1e-9);
        EXPECT_NEAR(f.at(u, v), f.at(u, v + 1), 1e-9);
    }
}

TEST(contentGeneratorLoop, CrossFadeMakesTheSeamAnOrdinaryStep) {
    stormgen::Signal ramp(300);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = dm::sin(0.05 * i);
    const stormgen::Signal loop = stormgen::makeSeamlessLoop(ramp, 200, 50);
    ASSERT_EQ(loop.size(), 200u);
    // Playing on past the end reaches what followed sample 199 in the source.
    EXPECT_EQ(loop[0], ramp[200]);
    EXPECT_EQ(loop[199], ramp[199]);
    EXPECT_EQ(loop[120], ramp[120]) << "after the fade the source is untouched";
    EXPECT_THROW(stormgen::makeSeamlessLoop(ramp, 280, 50), std::invalid_argument);
}

TEST(contentGeneratorText, NumbersIgnoreTheLocale) {
    const struct {
        double v;
        int decimals;
        const char* text;
    } cases[] = {
        {0.5, 2, "0.50"}, {-1.25, 1, "-1.3"}, {1234.5678, 3, "1234.568"}, {0, 0, "0"}, {-0.04, 1, "0.0"}};
    for (const auto& c : cases)
        EXPECT_EQ(stormgen::fixed(c.v, c.decimals), c.text) << c.v;
    EXPECT_EQ(stormgen::integer(-305), "-305");
    EXPECT_EQ(stormgen::quoted("a\"b\\c"), "\"a\\\"b\\\\c\"");
}

TEST(contentGeneratorText, WriterRefusesUnbalancedBlocks) {
    stormgen::StfWriter w("HEADER");
    w.open("a");
    EXPECT_THROW(w.finish(), std::logic_error);
    w.close();
    EXPECT_THROW(w.close(), std::logic_error);
    EXPECT_EQ(w.finish().size(), 2u + 2 * std::string("HEADER\r\n\r\na (\r\n)\r\n").size());
}

TEST(contentGeneratorAce, SmallTextureReadsBackTexelForTexel) {
    stormgen::Image img(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.at(x, y) = {x / 3.0f, y / 3.0f, 1.0f, (x + 4 * y) / 15.0f};
    const AceFile f =
        readAce(stormgen::encodeAce(stormgen::buildMipChain(img, true), stormgen::AceLayout::Alpha));
    ASSERT_EQ(f.levels.size(), 3u);
    EXPECT_EQ(f.surface, 0x11) << "8-bit alpha";
    const auto& red = *plane(f, f.levels[0], 3);
    const auto& alpha = *plane(f, f.levels[0], 6);
    const auto& mask = *plane(f, f.levels[0], 2);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(red[i], std::lround((i % 4) / 3.0 * 255)) << i;
        EXPECT_EQ(alpha[i], std::lround(i / 15.0 * 255)) << i;
        EXPECT_EQ(mask[i], i >= 8 ? 1 : 0) << i;
    }
    // 1 x 1: mean alpha 0.5 -> 128 (rounded half up), mask set.
    EXPECT_EQ((*plane(f, f.levels[2], 6))[0], 128);
    EXPECT_EQ((*plane(f, f.levels[2], 2))[0], 1);
    const AceFile opaque =
        readAce(stormgen::encodeAce(stormgen::buildMipChain(img, false), stormgen::AceLayout::Opaque));
    EXPECT_EQ(opaque.surface, 0x0E);
    EXPECT_EQ(opaque.channelCount, 3);
    EXPECT_THROW(stormgen::buildMipChain(stormgen::Image(4, 2), false), std::invalid_argument);
    EXPECT_THROW(stormgen::buildMipChain(stormgen::Image(6, 6), false), std::invalid_argument);
}

TEST(contentGeneratorWav, SamplesRoundSymmetricallyAndClamp) {
    const stormgen::Signal s = {-1.0, -0.5, 0.0, 0.5, 1.0, 2.0, -3.0};
    const WavFile w = readWav(stormgen::encodeWav(s));
    const std::vector<std::int16_t> expected = {-32767, -16384, 0, 16384, 32767, 32767, -32767};
    EXPECT_EQ(w.samples, expected);
    EXPECT_EQ(w.chunks.size(), 2u);
}

TEST(contentGeneratorDsp, FiltersPassAndStopWhereTheyShould) {
    // Level of a sine after a filter, once settled.
    auto gain = [](stormgen::Biquad f, double hz) {
        double peak = 0;
        for (int i = 0; i < stormgen::kSampleRate; ++i) {
            const double y = f.process(dm::sin(dm::kTwoPi * hz * i / stormgen::kSampleRate));
            if (i > stormgen::kSampleRate / 2) peak = std::max(peak, std::fabs(y));
        }
        return peak;
    };
    EXPECT_NEAR(gain(stormgen::Biquad::lowPass(200), 50), 1.0, 0.05);
    EXPECT_LT(gain(stormgen::Biquad::lowPass(200), 2000), 0.02);
    EXPECT_NEAR(gain(stormgen::Biquad::highPass(200), 2000), 1.0, 0.05);
    EXPECT_LT(gain(stormgen::Biquad::highPass(200), 20), 0.02);
    EXPECT_NEAR(gain(stormgen::Biquad::bandPass(1000, 4), 1000), 1.0, 0.05);
    EXPECT_LT(gain(stormgen::Biquad::bandPass(1000, 4), 100), 0.05);

    stormgen::Signal s(1000, 0.5);
    stormgen::applyFades(s, 0.01, 0.01);
    EXPECT_EQ(s.front(), 0.0);
    EXPECT_NEAR(s.back(), 0.0, 1e-12);
    EXPECT_EQ(s[500], 0.5);
    stormgen::normalisePeak(s, -6.0);
    EXPECT_NEAR(s[500], dm::dbToGain(-6.0), 1e-12);
}

} // namespace
} // namespace content_tests
