// SPDX-License-Identifier: GPL-3.0-or-later
// The five storm textures, read back with the tests' own .ace reader.
#include "AceReader.h"
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace content_tests {
namespace {

enum class Kind { OpaqueSky, CloudLayer, Glow, Bolt, Clear };

struct TextureCase {
    std::string name;
    int side;
    Kind kind;
};

std::ostream& operator<<(std::ostream& os, const TextureCase& c) {
    return os << c.name;
}

const TextureCase kTextureCases[] = {
    {"ZKT_snowsky.ace", 512, Kind::OpaqueSky}, {"ZKT_snowskylo.ace", 256, Kind::CloudLayer},
    {"ZKT_LichtFlits.ace", 256, Kind::Glow},   {"ZKT_Bliksem.ace", 512, Kind::Bolt},
    {"ZKT_Transparant.ace", 256, Kind::Clear},
};

bool hasAlpha(Kind k) {
    return k != Kind::OpaqueSky;
}

class AceTexture : public testing::TestWithParam<TextureCase> {
  protected:
    void SetUp() override {
        m_bytes = readDumpFile("Textures/" + GetParam().name);
        ASSERT_FALSE(m_bytes.empty());
        ASSERT_NO_THROW(m_ace = readAce(m_bytes));
    }
    const std::vector<std::uint8_t>& channel(int level, std::uint64_t type) const {
        const auto* p = plane(m_ace, m_ace.levels[static_cast<std::size_t>(level)], type);
        EXPECT_NE(p, nullptr) << "no channel of type " << type;
        static const std::vector<std::uint8_t> none;
        return p ? *p : none;
    }
    std::vector<std::uint8_t> m_bytes;
    AceFile m_ace{};
};

TEST_P(AceTexture, HeaderIsUncompressedMipmappedChannelRows) {
    EXPECT_EQ(m_ace.signature, "SIMISA@@@@@@@@@@");
    EXPECT_EQ(m_ace.one, 1);
    EXPECT_EQ(m_ace.flags, 0x01);
    EXPECT_EQ(m_ace.width, GetParam().side);
    EXPECT_EQ(m_ace.height, GetParam().side);
    // A reader that trusts this code draws alpha textures marked opaque as
    // solid colour over the whole sky.
    EXPECT_EQ(m_ace.surface, surfaceCodeFor(m_ace.channels));
    EXPECT_EQ(m_ace.surface, hasAlpha(GetParam().kind) ? 0x11 : 0x0E);
    for (std::size_t at = 0x28; at < 0xA8; ++at)
        ASSERT_EQ(m_bytes[at], 0) << "unused header byte at " << at;
}

TEST_P(AceTexture, ChannelsAreRgbOrRgbMaskAlpha) {
    const std::vector<std::pair<std::uint64_t, std::uint64_t>> opaque = {{8, 3}, {8, 4}, {8, 5}};
    const std::vector<std::pair<std::uint64_t, std::uint64_t>> alpha = {
        {8, 3}, {8, 4}, {8, 5}, {1, 2}, {8, 6}};
    const auto& expected = hasAlpha(GetParam().kind) ? alpha : opaque;
    ASSERT_EQ(m_ace.channelCount, static_cast<int>(expected.size()));
    for (std::size_t c = 0; c < expected.size(); ++c) {
        EXPECT_EQ(m_ace.channels[c].bits, expected[c].first) << "channel " << c;
        EXPECT_EQ(m_ace.channels[c].type, expected[c].second) << "channel " << c;
    }
}

TEST_P(AceTexture, EveryRowOffsetPointsAtItsRowAndTheSizeIsExact) {
    ASSERT_EQ(m_ace.rowOffsets.size(), m_ace.expectedRowOffsets.size());
    for (std::size_t r = 0; r < m_ace.rowOffsets.size(); ++r)
        ASSERT_EQ(m_ace.rowOffsets[r], m_ace.expectedRowOffsets[r]) << "row " << r;
    EXPECT_EQ(m_bytes.size(), m_ace.expectedFileSize);
}

TEST_P(AceTexture, MipmapsHalveDownToOneTexel) {
    const int side = GetParam().side;
    ASSERT_EQ(m_ace.levels.size(), static_cast<std::size_t>(std::log2(side)) + 1);
    for (std::size_t i = 0; i < m_ace.levels.size(); ++i)
        EXPECT_EQ(m_ace.levels[i].side, side >> i) << "level " << i;
    EXPECT_EQ(m_ace.levels.back().side, 1);
}

// Opaque textures carry neither mask nor alpha; the others set the mask bit
// exactly where alpha reaches 128, on every level.
TEST_P(AceTexture, MaskFollowsAlpha) {
    for (std::size_t l = 0; l < m_ace.levels.size(); ++l) {
        if (!hasAlpha(GetParam().kind)) {
            EXPECT_EQ(plane(m_ace, m_ace.levels[l], 2), nullptr);
            EXPECT_EQ(plane(m_ace, m_ace.levels[l], 6), nullptr);
            continue;
        }
        const auto& mask = channel(static_cast<int>(l), 2);
        const auto& alpha = channel(static_cast<int>(l), 6);
        ASSERT_EQ(mask.size(), alpha.size());
        for (std::size_t i = 0; i < alpha.size(); ++i)
            ASSERT_EQ(mask[i], alpha[i] >= 128 ? 1 : 0) << "level " << l << " texel " << i;
    }
}

// Each level is the 2 x 2 box average of the one above (within rounding);
// for colour only where nothing is transparent, as alpha weights it there.
TEST_P(AceTexture, EachLevelIsTheBoxFilteredLevelAbove) {
    std::vector<std::uint64_t> types{6};
    if (!hasAlpha(GetParam().kind)) types = {3, 4, 5};
    for (std::size_t l = 1; l < m_ace.levels.size(); ++l) {
        const int s = m_ace.levels[l].side;
        for (std::uint64_t type : types) {
            const auto& above = channel(static_cast<int>(l - 1), type);
            const auto& here = channel(static_cast<int>(l), type);
            for (int y = 0; y < s; ++y) {
                for (int x = 0; x < s; ++x) {
                    auto at = [&](int xx, int yy) { return above[std::size_t(yy) * (2 * s) + xx]; };
                    const double box = (at(2 * x, 2 * y) + at(2 * x + 1, 2 * y) + at(2 * x, 2 * y + 1) +
                                        at(2 * x + 1, 2 * y + 1)) /
                                       4.0;
                    ASSERT_LE(std::fabs(here[std::size_t(y) * s + x] - box), 1.0)
                        << "level " << l << " channel " << type << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(contentAceSurfaceCode, FollowsTheChannels) {
    const struct {
        std::vector<AceChannel> channels;
        std::int32_t code;
    } cases[] = {
        {{{8, 3}, {8, 4}, {8, 5}}, 0x0E},
        {{{8, 3}, {8, 4}, {8, 5}, {1, 2}}, 0x10},
        {{{8, 3}, {8, 4}, {8, 5}, {8, 6}}, 0x11},
        {{{8, 3}, {8, 4}, {8, 5}, {1, 2}, {8, 6}}, 0x11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(surfaceCodeFor(c.channels), c.code) << c.channels.size() << " channels";
}

INSTANTIATE_TEST_SUITE_P(content, AceTexture, testing::ValuesIn(kTextureCases), [](const auto& info) {
    return info.param.name.substr(4, info.param.name.size() - 8);
});

// --- What the pictures look like -------------------------------------------

struct Stats {
    double meanR = 0, meanG = 0, meanB = 0, meanLuma = 0;
    double opaqueShare = 0; // texels with alpha >= 128
};

Stats stats(const AceFile& f) {
    const AceLevel& l = f.levels.front();
    const auto* r = plane(f, l, 3);
    const auto* g = plane(f, l, 4);
    const auto* b = plane(f, l, 5);
    const auto* a = plane(f, l, 6);
    Stats s;
    const double n = static_cast<double>(r->size());
    for (std::size_t i = 0; i < r->size(); ++i) {
        s.meanR += (*r)[i] / n;
        s.meanG += (*g)[i] / n;
        s.meanB += (*b)[i] / n;
        s.opaqueShare += (a ? ((*a)[i] >= 128) : 1) / n;
    }
    s.meanLuma = 0.299 * s.meanR + 0.587 * s.meanG + 0.114 * s.meanB;
    return s;
}

// Mean absolute step between neighbouring columns (or rows) across the
// picture, and the same step across its wrap-around seam.
struct SeamSteps {
    double interior, seam;
};

SeamSteps seamSteps(const std::vector<std::uint8_t>& p, int side, bool acrossColumns) {
    auto at = [&](int i, int j) {
        return acrossColumns ? p[std::size_t(j) * side + i] : p[std::size_t(i) * side + j];
    };
    double interior = 0, seam = 0;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i + 1 < side; ++i)
            interior += std::abs(at(i + 1, j) - at(i, j));
        seam += std::abs(at(0, j) - at(side - 1, j));
    }
    return {interior / (double(side) * (side - 1)), seam / side};
}

AceFile load(const std::string& name) {
    return readAce(readDumpFile("Textures/" + name));
}

TEST(contentTextureLooks, SkyIsDarkGreyBlue) {
    const Stats s = stats(load("ZKT_snowsky.ace"));
    EXPECT_LT(s.meanLuma, 90.0);
    EXPECT_GT(s.meanLuma, 25.0) << "so dark that no cloud shape would show";
    EXPECT_GE(s.meanB, s.meanG);
    EXPECT_GE(s.meanG, s.meanR);
}

// The sky wraps round the horizon and may be tiled: no seam either way.
TEST(contentTextureLooks, CloudTexturesTileWithoutSeams) {
    const struct {
        std::string name;
        std::uint64_t channel;
    } cases[] = {
        {"ZKT_snowsky.ace", 3}, {"ZKT_snowsky.ace", 5}, {"ZKT_snowskylo.ace", 6}, {"ZKT_snowskylo.ace", 4}};
    for (const auto& c : cases) {
        const AceFile f = load(c.name);
        for (bool acrossColumns : {true, false}) {
            const SeamSteps s = seamSteps(*plane(f, f.levels.front(), c.channel), f.width, acrossColumns);
            EXPECT_GT(s.interior, 0.0) << c.name;
            EXPECT_LE(s.seam, 2.0 * s.interior)
                << c.name << " channel " << c.channel << (acrossColumns ? " left/right" : " top/bottom");
        }
    }
}

TEST(contentTextureLooks, LowCloudsAreRaggedWithHoles) {
    const Stats s = stats(load("ZKT_snowskylo.ace"));
    EXPECT_GT(s.opaqueShare, 0.25);
    EXPECT_LT(s.opaqueShare, 0.85);
    EXPECT_LT(s.meanLuma, 90.0);
}

// The environment's lightning layers show the transparent corner texel on
// their "off" frames, so the outer border must be fully clear.
TEST(contentTextureLooks, LightningTexturesHaveAClearBorder) {
    for (const std::string name : {"ZKT_LichtFlits.ace", "ZKT_Bliksem.ace", "ZKT_Transparant.ace"}) {
        const AceFile f = load(name);
        const auto& a = *plane(f, f.levels.front(), 6);
        const int side = f.width;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (x < 3 || y < 3 || x >= side - 3 || y >= side - 3) {
                    ASSERT_EQ(a[std::size_t(y) * side + x], 0) << name << " at " << x << "," << y;
                }
    }
}

TEST(contentTextureLooks, FlashIsABlueWhiteGlowAtTheCentre) {
    const AceFile f = load("ZKT_LichtFlits.ace");
    const int c = f.width / 2;
    const auto& l = f.levels.front();
    const std::size_t mid = std::size_t(c) * f.width + c;
    EXPECT_GE((*plane(f, l, 6))[mid], 250);
    EXPECT_GE((*plane(f, l, 5))[mid], 250);
    // Half-way out it is fainter and bluer than white.
    const std::size_t out = std::size_t(c) * f.width + c + f.width / 4;
    EXPECT_LT((*plane(f, l, 6))[out], (*plane(f, l, 6))[mid]);
    EXPECT_LT((*plane(f, l, 3))[out], (*plane(f, l, 5))[out]);
}

TEST(contentTextureLooks, BoltRunsFromTopToBottomAndIsThin) {
    const AceFile f = load("ZKT_Bliksem.ace");
    const auto& a = *plane(f, f.levels.front(), 6);
    const int side = f.width;
    // Some bright texel in every row of the middle 80 %: one unbroken channel.
    for (int y = side / 10; y < side * 9 / 10; ++y) {
        int brightest = 0;
        for (int x = 0; x < side; ++x)
            brightest = std::max(brightest, int(a[std::size_t(y) * side + x]));
        ASSERT_GE(brightest, 200) << "the bolt is broken at row " << y;
    }
    EXPECT_LT(stats(f).opaqueShare, 0.12) << "a bolt, not a blob";
    EXPECT_GT(stats(f).opaqueShare, 0.005);
}

TEST(contentTextureLooks, TransparentTextureIsClearOnEveryLevel) {
    const AceFile f = load("ZKT_Transparant.ace");
    for (const AceLevel& l : f.levels)
        for (std::uint8_t v : *plane(f, l, 6))
            ASSERT_EQ(v, 0) << "level of side " << l.side;
}

} // namespace
} // namespace content_tests
