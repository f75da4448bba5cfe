// SPDX-License-Identifier: GPL-3.0-or-later
// Every number in the storm environment file lies inside the range that
// docs/storm-content.md gives for it: where real route files are known, the
// range they hold; elsewhere the storm's own bounds, each with its reason
// there. The table here and the one in the document must say the same.
#include "StfFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace content_tests {
namespace {

struct Range {
    std::string token;
    double min, max;
};

const Range kRanges[] = {
    // Known from a real route's rain.env.
    {"world_precipitation_density", 2048, 2048},
    {"world_precipitation_speed", 40, 40},
    {"world_sky_layer_top_nfaces", 8, 8},
    {"world_sky_layer_top_radius", 660, 800},
    {"world_sky_layer_edge_step_radius", 660, 1950},
    {"world_sky_satellite_low_scale", 400, 800},
    {"world_sky_satellite_high_scale", 350, 400},
    {"world_water_layer_height", -1, 0},
    {"world_water_wave_height", 0, 0},
    {"world_water_wave_speed", 0, 0},
    // The storm's own bounds.
    {"world_fog_distance", 200, 1500},
    {"world_sky_layer_top_height", 300, 400},
    {"world_sky_layer_edge_step_height", -100, 400},
    {"world_sky_satellite_rise_position", 0, 360},
    {"world_anim_shader_framelen", 0.05, 1},
    {"world_anim_shader_frame_uvtiles", 0.001, 8},
    {"world_anim_shader_frame_uvscroll", 0, 0.05},
    {"world_wind_layer_maxheight", 100, 2000},
    {"world_wind_layer_speed", 5, 30},
    {"world_wind_layer_turbulencep", 0, 1},
};

TEST(contentEnvironmentRanges, EveryValueLiesInsideItsDocumentedRange) {
    const StfNode root = loadStf(kEnvironmentFile);
    std::map<std::string, int> seen;
    for (const StfNode* b : allBlocks(root)) {
        for (const Range& r : kRanges) {
            if (b->name != r.token) continue;
            ASSERT_FALSE(b->values.empty()) << r.token << " on line " << b->line << " has no value";
            for (const StfValue& v : b->values) {
                const double x = number(v);
                EXPECT_GE(x, r.min) << r.token << " on line " << b->line;
                EXPECT_LE(x, r.max) << r.token << " on line " << b->line;
                ++seen[r.token];
            }
        }
    }
    for (const Range& r : kRanges)
        EXPECT_GT(seen[r.token], 0) << r.token << " is not in the file: its range checks nothing";
}

} // namespace
} // namespace content_tests
