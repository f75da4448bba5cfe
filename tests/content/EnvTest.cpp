// SPDX-License-Identifier: GPL-3.0-or-later
// What the storm environment file says: a dark, foggy, rainy sky built from
// the storm textures.
#include "ContentFiles.h"
#include "StfFiles.h"
#include "core/storm/RouteWater.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

#include <regex>

namespace content_tests {
namespace {

class contentEnvironment : public testing::Test {
  protected:
    void SetUp() override {
        m_root = loadStf(kEnvironmentFile);
        m_world = m_root.child("world");
        ASSERT_NE(m_world, nullptr);
        m_sky = m_world->child("world_sky");
        ASSERT_NE(m_sky, nullptr);
    }
    // The single value of a one-value block below `parent`.
    std::string value(const StfNode& parent, const std::string& name) const {
        const StfNode* n = parent.child(name);
        if (!n || n->values.size() != 1) {
            ADD_FAILURE() << name << " missing or not a single value";
            return {};
        }
        return n->values.front().text;
    }
    StfNode m_root;
    const StfNode* m_world = nullptr;
    const StfNode* m_sky = nullptr;
};

TEST_F(contentEnvironment, FogIsCloseAndDark) {
    const double distance = std::stod(value(*m_world, "world_fog_distance"));
    EXPECT_GE(distance, 200);
    EXPECT_LE(distance, 1500);
    for (const char* key : {"world_fog_day_colour", "world_fog_night_colour"}) {
        const std::string c = value(*m_world, key);
        ASSERT_TRUE(std::regex_match(c, std::regex("ff[0-9a-f]{6}"))) << key << " " << c;
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_LE(std::stoi(c.substr(2 + 2 * channel, 2), nullptr, 16), 0x60) << key << " " << c;
    }
}

TEST_F(contentEnvironment, SkyHasDayNightAndCloudLayers) {
    const auto layers = m_sky->child("world_sky_layers")->all("world_sky_layer");
    ASSERT_GE(layers.size(), 3u);
    EXPECT_EQ(textureOf(*layers[0]), "ZKT_snowsky.ace") << "layer 0 is the day sky";
    int withFadeIn = 0, lowClouds = 0;
    for (const StfNode* l : layers) {
        withFadeIn += l->child("world_sky_layer_fadein") != nullptr;
        lowClouds += textureOf(*l) == "ZKT_snowskylo.ace";
        ASSERT_NE(l->child("world_sky_layer_top"), nullptr);
        ASSERT_NE(l->child("world_sky_layer_edge"), nullptr);
    }
    EXPECT_GE(withFadeIn, 1) << "no night layer";
    EXPECT_GE(lowClouds, 1);
    const double behind = std::stod(value(*m_sky, "world_sky_nlayers_behind_satellites"));
    EXPECT_GE(behind, 1);
    EXPECT_LE(behind, static_cast<double>(layers.size()));
}

// Real files give the horizon a plain Diffuse shader and no texture.
TEST_F(contentEnvironment, HorizonIsDiffuseWithoutATexture) {
    const StfNode* horizon = m_sky->child("world_sky_horizon");
    ASSERT_NE(horizon, nullptr);
    const StfNode* shader = horizon->child("world_shader");
    ASSERT_NE(shader, nullptr);
    ASSERT_EQ(shader->values.size(), 1u);
    EXPECT_EQ(shader->values.front().text, "Diffuse");
    EXPECT_FALSE(shader->values.front().quoted);
    EXPECT_TRUE(shader->children.empty()) << "the horizon names no texture slot";
}

TEST_F(contentEnvironment, SatellitesAreSunThenMoonWithFieldsInOrder) {
    const auto sats = m_sky->child("world_sky_satellites")->all("world_sky_satellite");
    ASSERT_EQ(sats.size(), 2u);
    const std::vector<std::string> order = {
        "world_sky_satellite_low_scale",
        "world_sky_satellite_high_scale",
        "world_sky_satellite_rise_position",
        "world_sky_satellite_rise_time",
        "world_sky_satellite_set_time",
        "world_sky_satellite_dir_rise_colour",
        "world_sky_satellite_dir_high_colour",
        "world_sky_satellite_dir_set_colour",
        "world_sky_satellite_amb_rise_colour",
        "world_sky_satellite_amb_high_colour",
        "world_sky_satellite_amb_set_colour",
        "world_sky_satellite_light",
        "world_anim_shader",
    };
    // The scales of real files: smaller ones make sun and moon near-invisible specks.
    const std::pair<std::string, std::string> scales[] = {{"800", "400"}, {"400", "350"}};
    for (std::size_t s = 0; s < sats.size(); ++s) {
        std::vector<std::string> names;
        for (const StfNode& c : sats[s]->children)
            names.push_back(c.name);
        EXPECT_EQ(names, order) << "satellite " << s;
        EXPECT_EQ(value(*sats[s], "world_sky_satellite_light"), s == 0 ? "1" : "0");
        EXPECT_EQ(value(*sats[s], "world_sky_satellite_low_scale"), scales[s].first) << "satellite " << s;
        EXPECT_EQ(value(*sats[s], "world_sky_satellite_high_scale"), scales[s].second) << "satellite " << s;
        // A lightning texture on a satellite would be a flash that never goes out.
        EXPECT_EQ(textureOf(*sats[s]), "ZKT_Transparant.ace") << "satellite " << s;
    }
}

TEST_F(contentEnvironment, TimesAndColoursAreWellFormed) {
    const std::regex time("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
    const std::regex colour("[0-9a-f]{8}");
    int times = 0, colours = 0;
    for (const StfNode* b : allBlocks(m_root)) {
        const bool isTime =
            b->name.ends_with("_time") || b->name.ends_with("_fadein") || b->name.ends_with("_fadeout");
        const bool isColour = b->name.ends_with("_colour");
        for (const StfValue& v : b->values) {
            if (isTime) {
                ++times;
                EXPECT_TRUE(std::regex_match(v.text, time)) << b->name << " " << v.text;
            }
            if (isColour) {
                ++colours;
                EXPECT_TRUE(std::regex_match(v.text, colour)) << b->name << " " << v.text;
            }
        }
    }
    EXPECT_GE(times, 4);
    EXPECT_GE(colours, 14);
}

// The lightning layers must stay dark in a simulator that shows only the
// first, or only the last, frame of an animation.
TEST_F(contentEnvironment, AnimatedLightningStartsOnADarkFrame) {
    int animated = 0;
    for (const StfNode* l : m_sky->child("world_sky_layers")->all("world_sky_layer")) {
        const std::string tex = textureOf(*l);
        if (tex != "ZKT_LichtFlits.ace" && tex != "ZKT_Bliksem.ace") continue;
        ++animated;
        const StfNode* anim = l->child("world_anim_shader");
        ASSERT_NE(anim->child("world_anim_shader_framelen"), nullptr);
        const auto frames = anim->child("world_anim_shader_frames")->all("world_anim_shader_frame");
        ASSERT_GE(frames.size(), 2u);
        const StfNode* first = frames.front()->child("world_anim_shader_frame_uvtiles");
        ASSERT_NE(first, nullptr);
        for (const StfValue& v : first->values)
            EXPECT_LT(number(v), 0.01) << tex;
        const StfNode* last = frames.back()->child("world_anim_shader_frame_uvtiles");
        ASSERT_NE(last, nullptr);
        for (const StfValue& v : last->values)
            EXPECT_LT(number(v), 0.01) << tex << ": the last frame must be dark too";
        int lit = 0;
        for (const StfNode* f : frames) {
            const StfNode* tiles = f->child("world_anim_shader_frame_uvtiles");
            lit += tiles && number(tiles->values.front()) >= 1.0;
        }
        EXPECT_GE(lit, 1) << tex << " never flashes";
    }
    EXPECT_EQ(animated, 2);
}

TEST_F(contentEnvironment, RainsHardWithWindAndWater) {
    const StfNode* rain = m_world->child("world_precipitation");
    ASSERT_NE(rain, nullptr);
    // The full token, unquoted, as real rain files write it.
    const StfNode* type = rain->child("world_precipitation_type");
    ASSERT_NE(type, nullptr);
    ASSERT_EQ(type->values.size(), 1u);
    EXPECT_EQ(type->values.front().text, "world_precipitation_type_rain");
    EXPECT_FALSE(type->values.front().quoted);
    // The drops are the route's rain streak, as real rain files draw them.
    ASSERT_NE(rain->child("world_anim_shader"), nullptr);
    EXPECT_EQ(textureOf(*rain), "rain.ace");

    const StfNode* wind = m_world->child("world_wind");
    ASSERT_NE(wind, nullptr);
    for (const StfNode* l : wind->child("world_wind_layers")->all("world_wind_layer")) {
        EXPECT_EQ(l->child("world_wind_layer_direction")->values.size(), 3u);
        EXPECT_GT(std::stod(value(*l, "world_wind_layer_speed")), 5);
    }
    const StfNode* water = m_world->child("world_water");
    ASSERT_NE(water, nullptr);
    // The standard water of real rain files, bottom to top, in the route's own textures.
    std::vector<std::string> textures;
    for (const StfNode* l : water->child("world_water_layers")->all("world_water_layer"))
        textures.push_back(textureOf(*l));
    EXPECT_EQ(textures, (std::vector<std::string>{"waterbot.ace", "watermid.ace", "WaterTop.ace"}));
    // Real files name a .raw file as the patch map, never a texture.
    const StfNode* patch = water->child("world_water_terrain_patch_map");
    ASSERT_NE(patch, nullptr);
    ASSERT_EQ(patch->values.size(), 2u);
    EXPECT_TRUE(patch->values[1].quoted);
    EXPECT_TRUE(patch->values[1].text.ends_with(".raw")) << patch->values[1].text;
}

// Installed on a route, the file takes the route's own water in place of its
// own: the installer finds the storm's water block only in a file of the
// simulator's format with one such block.
TEST_F(contentEnvironment, GivesWayToTheRoutesOwnWater) {
    using platform::text::utf8ToUtf16le;
    const auto bytes = readDumpFile(kEnvironmentFile.path);
    const std::string water = utf8ToUtf16le("world_water ( world_water_layers ( 0 ) )");
    const std::string route =
        "\xff\xfe" + utf8ToUtf16le(kEnvironmentFile.header + "\r\nworld ( ") + water + utf8ToUtf16le(" )");
    const std::string installed = storm::withRouteWater(std::string(bytes.begin(), bytes.end()), route);
    EXPECT_NE(installed.find(water), std::string::npos);
}

} // namespace
} // namespace content_tests
