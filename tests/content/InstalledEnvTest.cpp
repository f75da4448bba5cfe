// SPDX-License-Identifier: GPL-3.0-or-later
// The generated storm file as installed on a route whose rain file has water
// of its own: the route's water goes in, and the file still reads cleanly.
#include "ContentFiles.h"
#include "StfFiles.h"
#include "core/storm/RouteWater.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace content_tests {
namespace {

TEST(contentInstalledEnvironment, TakesTheRoutesWaterAndStillReadsCleanly) {
    using platform::text::utf8ToUtf16le;
    const auto bytes = readDumpFile(kEnvironmentFile.path);
    const std::string storm(bytes.begin(), bytes.end());
    const std::string water = utf8ToUtf16le("world_water ( world_water_layers ( 1 world_water_layer ( "
                                            "world_water_layer_height ( -0.25 ) ) ) )");
    const std::string route = "\xff\xfe" +
                              utf8ToUtf16le("SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nworld (\r\n\t") + water +
                              utf8ToUtf16le("\r\n)\r\n");

    const std::string installed = storm::withRouteWater(storm, route);
    EXPECT_NE(installed.find(water), std::string::npos) << "the route's water was not put in";
    const StfText text = decodeStf(std::vector<std::uint8_t>(installed.begin(), installed.end()));
    EXPECT_TRUE(text.problems.empty()) << text.problems.front();
    StfNode root;
    ASSERT_NO_THROW(root = parseStf(text.body));
    const StfNode* world = root.child("world");
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->child("world_water")->child("world_water_layers")->all("world_water_layer").size(), 1u);
    EXPECT_EQ(textureOf(*world->child("world_precipitation")), "rain.ace");
}

} // namespace
} // namespace content_tests
