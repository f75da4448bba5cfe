// SPDX-License-Identifier: GPL-3.0-or-later
// The nine storm sounds, read back with the tests' own RIFF reader.
#include "ContentFiles.h"
#include "WavReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>

namespace content_tests {
namespace {

enum class Distance { Near, Middle, Far, RainBed };

struct SoundCase {
    std::string name;
    Distance distance;
    double minSeconds, maxSeconds;
    double minPeakDb, maxPeakDb;
};

std::ostream& operator<<(std::ostream& os, const SoundCase& c) {
    return os << c.name;
}

const SoundCase kSoundCases[] = {
    {"ZKT_Onweer1.wav", Distance::Near, 3.0, 6.0, -3.0, -1.0},
    {"ZKT_Onweer2.wav", Distance::Near, 7.0, 12.0, -3.0, -1.0},
    {"ZKT_Onweer3.wav", Distance::Middle, 5.0, 10.0, -6.0, -2.0},
    {"ZKT_Onweer4.wav", Distance::Near, 2.5, 5.0, -3.0, -1.0},
    {"ZKT_Onweer5.wav", Distance::Far, 8.0, 12.0, -14.0, -6.0},
    {"ZKT_Onweer6.wav", Distance::Far, 9.0, 12.0, -16.0, -8.0},
    {"ZKT_Onweer7.wav", Distance::Near, 6.0, 10.0, -3.0, -1.0},
    {"ZKT_Onweer8.wav", Distance::Middle, 4.0, 8.0, -7.0, -2.0},
    {"ZKT_Onweer9.wav", Distance::RainBed, 8.0, 20.0, -9.0, -2.0},
};

constexpr double kRate = 22050.0;

class StormSound : public testing::TestWithParam<SoundCase> {
  protected:
    void SetUp() override {
        m_bytes = readDumpFile("Sounds/" + GetParam().name);
        ASSERT_FALSE(m_bytes.empty());
        ASSERT_NO_THROW(m_wav = readWav(m_bytes));
    }
    std::vector<std::uint8_t> m_bytes;
    WavFile m_wav;
};

TEST_P(StormSound, IsPlainRiffWaveWithFmtThenData) {
    EXPECT_EQ(m_wav.riff, "RIFF");
    EXPECT_EQ(m_wav.wave, "WAVE");
    EXPECT_EQ(m_wav.riffSize, m_bytes.size() - 8);
    ASSERT_EQ(m_wav.chunks.size(), 2u);
    EXPECT_EQ(m_wav.chunks[0].id, "fmt ");
    EXPECT_EQ(m_wav.chunks[0].size, 16u);
    EXPECT_EQ(m_wav.chunks[1].id, "data");
    EXPECT_EQ(m_wav.chunks[1].dataAt, 44u);
    EXPECT_EQ(m_wav.chunks[1].size, m_bytes.size() - 44);
    EXPECT_EQ(m_wav.chunks[1].size % 2, 0u);
}

TEST_P(StormSound, IsPcm16BitMonoAt22050Hz) {
    EXPECT_EQ(m_wav.formatTag, 1);
    EXPECT_EQ(m_wav.channels, 1);
    EXPECT_EQ(m_wav.sampleRate, 22050u);
    EXPECT_EQ(m_wav.bitsPerSample, 16);
    EXPECT_EQ(m_wav.blockAlign, 2);
    EXPECT_EQ(m_wav.byteRate, 44100u);
}

TEST_P(StormSound, LastsItsIntendedTime) {
    const double seconds = m_wav.samples.size() / kRate;
    EXPECT_GE(seconds, GetParam().minSeconds);
    EXPECT_LE(seconds, GetParam().maxSeconds);
}

TEST_P(StormSound, PeaksAtItsLevelWithoutClipping) {
    const double peak = peakDbfs(m_wav.samples);
    EXPECT_LE(peak, GetParam().maxPeakDb + 0.01);
    EXPECT_GE(peak, GetParam().minPeakDb);
    for (std::size_t i = 0; i < m_wav.samples.size(); ++i)
        ASSERT_LT(std::abs(int(m_wav.samples[i])), 32767) << "full scale at sample " << i;
}

// One-shots fade in and out softly; the rain bed, which loops, must not.
TEST_P(StormSound, EndsFadeOnlyForOneShots) {
    const auto& s = m_wav.samples;
    const double peak = std::pow(10.0, peakDbfs(s) / 20.0);
    const std::size_t tail = static_cast<std::size_t>(0.05 * kRate);
    if (GetParam().distance == Distance::RainBed) {
        EXPECT_GT(rms(s, 0, tail), 0.1 * peak) << "the loop fades in";
        EXPECT_GT(rms(s, s.size() - tail, tail), 0.1 * peak) << "the loop fades out";
        return;
    }
    EXPECT_LE(std::abs(int(s.front())), 16);
    EXPECT_LE(std::abs(int(s.back())), 16);
    EXPECT_LT(rms(s, 0, static_cast<std::size_t>(kRate / 1000)), 0.1 * peak)
        << "the first millisecond clicks";
    EXPECT_LT(rms(s, s.size() - tail, tail), 0.02 * peak) << "the last 50 ms are not faded";
}

INSTANTIATE_TEST_SUITE_P(content, StormSound, testing::ValuesIn(kSoundCases), [](const auto& info) {
    return info.param.name.substr(4, info.param.name.size() - 8);
});

// --- The set as a whole ------------------------------------------------------

std::map<std::string, WavFile> loadAll() {
    std::map<std::string, WavFile> all;
    for (const SoundCase& c : kSoundCases)
        all[c.name] = readWav(readDumpFile("Sounds/" + c.name));
    return all;
}

// Mean square of the first difference over the mean square of the signal: a
// measure of how much high-frequency energy there is (it grows with the
// square of the mean frequency).
double brightness(const std::vector<std::int16_t>& s) {
    double diff = 0, level = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const double d = double(s[i]) - s[i - 1];
        diff += d * d;
        level += double(s[i]) * s[i];
    }
    return diff / level;
}

TEST(contentSoundSet, FarThunderIsDullerAndQuieterThanNearThunder) {
    const auto all = loadAll();
    double dullestNear = 1e9, brightestFar = 0, quietestNear = 0, loudestFar = -200;
    for (const SoundCase& c : kSoundCases) {
        const auto& s = all.at(c.name).samples;
        if (c.distance == Distance::Near) {
            dullestNear = std::min(dullestNear, brightness(s));
            quietestNear = std::min(quietestNear, peakDbfs(s));
        } else if (c.distance == Distance::Far) {
            brightestFar = std::max(brightestFar, brightness(s));
            loudestFar = std::max(loudestFar, peakDbfs(s));
        }
    }
    EXPECT_LT(brightestFar * 4, dullestNear) << "far thunder is not low-passed";
    EXPECT_LT(loudestFar + 6, quietestNear) << "far thunder is not quieter";
}

// The share of a sound's energy above a quarter of the sample rate (5.5 kHz)
// in its first `count` samples, measured through a windowed-sinc half-band
// high-pass of 127 taps.
double shareAboveQuarterRate(const std::vector<std::int16_t>& s, std::size_t count) {
    constexpr int kHalf = 63;
    std::vector<double> h(2 * kHalf + 1);
    for (int n = -kHalf; n <= kHalf; ++n) {
        const double x = std::numbers::pi * n / kHalf;
        const double window = 0.42 + 0.5 * std::cos(x) + 0.08 * std::cos(2 * x);
        const double lowPass = n == 0 ? 0.5 : std::sin(std::numbers::pi * n / 2) / (std::numbers::pi * n);
        h[n + kHalf] = (n == 0 ? 1.0 : 0.0) - lowPass * window;
    }
    double high = 0, all = 0;
    for (std::size_t i = 2 * kHalf; i < std::min(count, s.size()); ++i) {
        double y = 0;
        for (int k = 0; k <= 2 * kHalf; ++k)
            y += h[k] * s[i - k];
        high += y * y;
        all += double(s[i - kHalf]) * s[i - kHalf];
    }
    return high / all;
}

// The hiss of rain and the crack of a close strike lie above 5.5 kHz; far
// thunder has lost them in the air. A strike is judged by its first half
// second, before the roll that follows it.
TEST(contentSoundSet, RainAndCloseStrikesKeepTheirHighs) {
    const auto all = loadAll();
    for (const SoundCase& c : kSoundCases) {
        const auto& s = all.at(c.name).samples;
        const bool bed = c.distance == Distance::RainBed;
        const double share = shareAboveQuarterRate(s, bed ? s.size() : static_cast<std::size_t>(kRate / 2));
        if (c.distance == Distance::Near || bed) {
            EXPECT_GT(share, 0.01) << c.name << " has nothing above 5.5 kHz";
        } else if (c.distance == Distance::Far) {
            EXPECT_LT(share, 1e-5) << c.name << " keeps highs from afar";
        }
    }
}

TEST(contentSoundSet, NoTwoSoundsAreAlike) {
    const auto all = loadAll();
    for (auto a = all.begin(); a != all.end(); ++a)
        for (auto b = std::next(a); b != all.end(); ++b)
            EXPECT_NE(a->second.samples, b->second.samples) << a->first << " and " << b->first;
    std::map<std::size_t, int> lengths;
    for (const auto& [name, w] : all)
        ++lengths[w.samples.size() / static_cast<std::size_t>(kRate)];
    EXPECT_GE(lengths.size(), 7u) << "the sounds should differ in length";
}

TEST(contentSoundSet, StaysUnderFourMegabytes) {
    std::size_t total = 0;
    for (const SoundCase& c : kSoundCases)
        total += readDumpFile("Sounds/" + c.name).size();
    EXPECT_LT(total, 4u * 1024 * 1024);
    EXPECT_GT(total, 9u * 2 * static_cast<std::size_t>(kRate) * 2) << "implausibly short sounds";
}

// --- The rain bed loops seamlessly -------------------------------------------

class contentRainBedLoop : public testing::Test {
  protected:
    void SetUp() override {
        m_s = readWav(readDumpFile("Sounds/ZKT_Onweer9.wav")).samples;
        ASSERT_GT(m_s.size(), static_cast<std::size_t>(kRate));
    }
    // The signal as heard when it repeats: end then start.
    double at(long i) const {
        const long n = static_cast<long>(m_s.size());
        return m_s[static_cast<std::size_t>(((i % n) + n) % n)];
    }
    std::vector<std::int16_t> m_s;
};

TEST_F(contentRainBedLoop, LevelIsTheSameAtBothEnds) {
    const auto w = static_cast<std::size_t>(kRate / 10);
    const double start = rms(m_s, 0, w), end = rms(m_s, m_s.size() - w, w);
    EXPECT_GT(start, 0.01) << "the loop fades in";
    EXPECT_GT(end, 0.01) << "the loop fades out";
    EXPECT_LT(std::fabs(20 * std::log10(start / end)), 3.0);
}

TEST_F(contentRainBedLoop, ToneIsTheSameAtBothEnds) {
    const auto w = static_cast<std::size_t>(kRate / 5);
    const std::vector<std::int16_t> start(m_s.begin(), m_s.begin() + w), end(m_s.end() - w, m_s.end());
    const double ratio = brightness(start) / brightness(end);
    EXPECT_GT(ratio, 1 / 1.5);
    EXPECT_LT(ratio, 1.5);
}

TEST_F(contentRainBedLoop, SeamStepIsLikeAnyOtherStep) {
    // Sample steps, and steps of a 32-sample moving average that would show a
    // jump in the low rumble which the hiss hides.
    const long n = static_cast<long>(m_s.size());
    auto smooth = [&](long i) {
        double sum = 0;
        for (long k = 0; k < 32; ++k)
            sum += at(i - k);
        return sum / 32;
    };
    double rawSq = 0, smoothSq = 0;
    for (long i = 1; i < n; ++i) {
        rawSq += (at(i) - at(i - 1)) * (at(i) - at(i - 1));
        smoothSq += (smooth(i) - smooth(i - 1)) * (smooth(i) - smooth(i - 1));
    }
    const double rawRms = std::sqrt(rawSq / (n - 1)), smoothRms = std::sqrt(smoothSq / (n - 1));
    EXPECT_LE(std::fabs(at(0) - at(-1)), 3.5 * rawRms);
    double worstSmooth = 0;
    for (long i = 0; i < 32; ++i)
        worstSmooth = std::max(worstSmooth, std::fabs(smooth(i) - smooth(i - 1)));
    EXPECT_LE(worstSmooth, 3.5 * smoothRms);
}

} // namespace
} // namespace content_tests
