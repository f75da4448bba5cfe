// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the generated storm files are, and what Brontara installs: the tests'
// own list, kept apart from the generator's so that a renamed file shows up.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace content_tests {

inline const std::array<std::string, 5> kTextures = {
    "ZKT_snowsky.ace", "ZKT_snowskylo.ace", "ZKT_LichtFlits.ace", "ZKT_Bliksem.ace", "ZKT_Transparant.ace",
};
inline const std::array<std::string, 9> kSounds = {
    "ZKT_Onweer1.wav", "ZKT_Onweer2.wav", "ZKT_Onweer3.wav", "ZKT_Onweer4.wav", "ZKT_Onweer5.wav",
    "ZKT_Onweer6.wav", "ZKT_Onweer7.wav", "ZKT_Onweer8.wav", "ZKT_Onweer9.wav",
};
// Textures of the standard set every route carries in its Envfiles\Textures,
// which the environment file names and Brontara leaves to the route: the
// water of real rain files and their rain drops.
inline const std::array<std::string, 4> kRouteTextures = {"waterbot.ace", "watermid.ace", "WaterTop.ace",
                                                          "rain.ace"};

// The data folder of the program folder: $BRONTARA_PROGRAM_DIR/Dump, or this
// build's own program folder when the variable is not set.
std::string dumpFolder();
// Bytes of a file below the data folder, e.g. "Textures/ZKT_snowsky.ace";
// fails the calling test (and returns nothing) when it cannot be read.
std::vector<std::uint8_t> readDumpFile(const std::string& relative);

} // namespace content_tests
