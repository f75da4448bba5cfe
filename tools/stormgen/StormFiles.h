// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and places of the storm files in the program's data folder. The
// environment and sound-source files refer to the textures and sounds by bare
// file name, which the simulator looks up beside them after installation.
#include <array>
#include <string_view>

namespace stormgen {

inline constexpr std::string_view kStormSky = "ZKT_snowsky.ace";
inline constexpr std::string_view kLowClouds = "ZKT_snowskylo.ace";
inline constexpr std::string_view kFlash = "ZKT_LichtFlits.ace";
inline constexpr std::string_view kBolt = "ZKT_Bliksem.ace";
inline constexpr std::string_view kTransparent = "ZKT_Transparant.ace";
// Named by the environment file's water patch map, as real files name a .raw
// file there; no such file is generated or installed.
inline constexpr std::string_view kWaterPatchMap = "ZKT_Water.raw";

// Textures of the standard set that every route carries in its Envfiles\Textures:
// the water of real rain files, bottom to top, and their rain drops.
inline constexpr std::array<std::string_view, 3> kRouteWater = {"waterbot.ace", "watermid.ace",
                                                                "WaterTop.ace"};
inline constexpr std::string_view kRouteRainDrops = "rain.ace";

inline constexpr std::array<std::string_view, 9> kThunderSounds = {
    "ZKT_Onweer1.wav", "ZKT_Onweer2.wav", "ZKT_Onweer3.wav", "ZKT_Onweer4.wav", "ZKT_Onweer5.wav",
    "ZKT_Onweer6.wav", "ZKT_Onweer7.wav", "ZKT_Onweer8.wav", "ZKT_Onweer9.wav",
};
// The last sound is the seamless rain bed; the others are single claps.
inline constexpr std::string_view kRainBed = kThunderSounds[8];

inline constexpr std::string_view kTexturesFolder = "Textures";
inline constexpr std::string_view kSoundsFolder = "Sounds";
inline constexpr std::string_view kRainFolder = "rain";
inline constexpr std::string_view kInCabSms = "ZKT_rain_in.sms";
inline constexpr std::string_view kExternalSms = "ZKT_rain_ex.sms";
inline constexpr std::string_view kEnvironment = "ZKT_rain_Onweer.env";

} // namespace stormgen
