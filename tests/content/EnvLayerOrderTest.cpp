// SPDX-License-Identifier: GPL-3.0-or-later
// The order and tiling of the storm's sky layers, as readers that do not
// animate the sky see them. One such reader takes layer 0 as the day sky, a
// layer with a fade-in as the night sky (and that layer's tiling for the day
// sky), the first further layer without a fade-in as the cloud layer, and the
// last such layer's tiling for it; each layer's tiling is that of its last
// frame.
#include "StfFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace content_tests {
namespace {

using Tiling = std::pair<double, double>;

const std::string kStormDeck = "ZKT_snowsky.ace";
const std::string kScud = "ZKT_snowskylo.ace";
const std::string kClear = "ZKT_Transparant.ace";

bool isLightning(const std::string& texture) {
    return texture == "ZKT_LichtFlits.ace" || texture == "ZKT_Bliksem.ace";
}

std::vector<const StfNode*> frames(const StfNode& layer) {
    const StfNode* anim = layer.child("world_anim_shader");
    const StfNode* list = anim ? anim->child("world_anim_shader_frames") : nullptr;
    EXPECT_NE(list, nullptr) << "a sky layer without animation frames";
    return list ? list->all("world_anim_shader_frame") : std::vector<const StfNode*>{};
}

std::optional<Tiling> tilingOf(const StfNode& frame) {
    const StfNode* t = frame.child("world_anim_shader_frame_uvtiles");
    if (!t || t->values.size() != 2) return std::nullopt;
    return Tiling{number(t->values[0]), number(t->values[1])};
}

// What a reader that keeps only the last frame makes of the layer.
std::optional<Tiling> lastTiling(const StfNode& layer) {
    const auto f = frames(layer);
    return f.empty() ? std::nullopt : tilingOf(*f.back());
}

bool fadesIn(const StfNode& layer) {
    return layer.child("world_sky_layer_fadein") != nullptr;
}

class contentSkyLayerOrder : public testing::Test {
  protected:
    void SetUp() override {
        m_root = loadStf(kEnvironmentFile);
        const StfNode* world = m_root.child("world");
        ASSERT_NE(world, nullptr);
        const StfNode* sky = world->child("world_sky");
        ASSERT_NE(sky, nullptr);
        const StfNode* list = sky->child("world_sky_layers");
        ASSERT_NE(list, nullptr);
        m_layers = list->all("world_sky_layer");
        ASSERT_GE(m_layers.size(), 3u);
        for (std::size_t i = 1; i < m_layers.size(); ++i)
            if (!fadesIn(*m_layers[i])) m_further.push_back(m_layers[i]);
        ASSERT_FALSE(m_further.empty());
    }
    StfNode m_root;
    std::vector<const StfNode*> m_layers;
    std::vector<const StfNode*> m_further; // after layer 0, without a fade-in
};

TEST_F(contentSkyLayerOrder, StormDeckComesFirst) {
    EXPECT_EQ(textureOf(*m_layers[0]), kStormDeck);
    EXPECT_FALSE(fadesIn(*m_layers[0])) << "the day sky must not fade in";
}

TEST_F(contentSkyLayerOrder, ScudIsTheFirstFurtherLayerWithoutAFadeIn) {
    EXPECT_EQ(textureOf(*m_further.front()), kScud)
        << "a reader that draws one cloud layer draws " << textureOf(*m_further.front());
}

// That reader tiles its cloud layer as the last further layer says, and its
// day sky as the night layer says: both must agree with the layer drawn.
TEST_F(contentSkyLayerOrder, TilingsTakenFromOtherLayersMatch) {
    const auto cloud = lastTiling(*m_further.front());
    ASSERT_TRUE(cloud.has_value());
    EXPECT_FALSE(isLightning(textureOf(*m_further.back())));
    EXPECT_EQ(lastTiling(*m_further.back()), cloud) << "the last cloud layer sets the scud's tiling";

    const auto day = lastTiling(*m_layers[0]);
    ASSERT_TRUE(day.has_value());
    int nights = 0;
    for (const StfNode* l : m_layers) {
        if (!fadesIn(*l)) continue;
        ++nights;
        EXPECT_EQ(textureOf(*l), kClear) << "no stars through a storm";
        EXPECT_EQ(lastTiling(*l), day) << "the night layer sets the day sky's tiling";
    }
    EXPECT_GE(nights, 1);
}

// Whichever frame a reader keeps, it gets the same tiling, except on the
// lightning layers, which are either off or lit with one tiling.
TEST_F(contentSkyLayerOrder, EveryFrameOfALayerTilesAlike) {
    int lightning = 0;
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        const std::string texture = textureOf(*m_layers[i]);
        const auto f = frames(*m_layers[i]);
        ASSERT_FALSE(f.empty()) << "layer " << i;
        std::optional<Tiling> lit;
        for (const StfNode* frame : f) {
            const auto t = tilingOf(*frame);
            ASSERT_TRUE(t.has_value()) << "layer " << i << ": a frame without uvtiles";
            if (!isLightning(texture)) {
                EXPECT_EQ(*t, *tilingOf(*f.front())) << "layer " << i << " (" << texture << ")";
                continue;
            }
            if (t->first < 0.01 && t->second < 0.01) continue; // off
            if (!lit) lit = t;
            EXPECT_EQ(*t, *lit) << "layer " << i << " (" << texture << ") lit frames";
        }
        lightning += isLightning(texture);
    }
    EXPECT_EQ(lightning, 2);
}

} // namespace
} // namespace content_tests
