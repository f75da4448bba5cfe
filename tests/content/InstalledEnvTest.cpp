// SPDX-License-Identifier: GPL-3.0-or-later
// The storm's environment file as it is installed on a route whose rain file
// has water of its own: it still reads without a fault, holds the route's
// water and is the storm everywhere else.
#include "ContentFiles.h"
#include "StfFiles.h"
#include "core/storm/RouteWater.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace content_tests {
namespace {

// A rain file shaped as a real route's, with water unlike the standard water.
std::string routeRainFile() {
    const std::string text =
        "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nworld (\r\n\tworld_fog_distance ( 2000 )\r\n"
        "\tworld_water (\r\n\t\tworld_water_terrain_patch_map ( 256 Wsib-W.raw )\r\n"
        "\t\tworld_water_wave_height ( 0 )\r\n\t\tworld_water_wave_speed ( 0 )\r\n"
        "\t\tworld_water_layers ( 1\r\n\t\t\tworld_water_layer (\r\n\t\t\t\tworld_water_layer_height ( -0.25 "
        ")\r\n"
        "\t\t\t\tworld_anim_shader ( world_anim_shader_frames ( 1 world_anim_shader_frame ( "
        "world_anim_shader_frame_uvtiles ( 4 4 ) ) )\r\n\t\t\t\t\tworld_shader ( TexDiff terrain_texslots ( "
        "1 "
        "terrain_texslot ( RiverWater.ace 1 0 ) ) terrain_uvcalcs ( 1 terrain_uvcalc ( 1 0 0 0 ) ) ) )\r\n"
        "\t\t\t)\r\n\t\t)\r\n\t)\r\n)\r\n";
    return "\xff\xfe" + platform::text::utf8ToUtf16le(text);
}

StfNode parsed(const std::string& bytes) {
    const StfText text = decodeStf(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_TRUE(text.problems.empty()) << text.problems.front();
    return parseStf(text.body);
}

TEST(contentInstalledEnvironment, ReadsCleanlyWithTheRoutesOwnWater) {
    const auto bytes = readDumpFile(kEnvironmentFile.path);
    const std::string storm(bytes.begin(), bytes.end());
    StfNode installed;
    ASSERT_NO_THROW(installed = parsed(storm::withRouteWater(storm, routeRainFile())));
    const StfNode* world = installed.child("world");
    ASSERT_NE(world, nullptr);
    const StfNode* water = world->child("world_water");
    ASSERT_NE(water, nullptr);
    const StfNode* patch = water->child("world_water_terrain_patch_map");
    ASSERT_NE(patch, nullptr);
    EXPECT_EQ(patch->values.back().text, "Wsib-W.raw");
    const auto layers = water->child("world_water_layers")->all("world_water_layer");
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(textureOf(*layers[0]), "RiverWater.ace");
    EXPECT_EQ(layers[0]->child("world_water_layer_height")->values.front().text, "-0.25");

    EXPECT_EQ(world->child("world_fog_distance")->values.front().text, "700");
    EXPECT_EQ(textureOf(*world->child("world_precipitation")), "rain.ace");
    EXPECT_EQ(world->child("world_sky")->child("world_sky_layers")->all("world_sky_layer").size(), 6u);
}

} // namespace
} // namespace content_tests
