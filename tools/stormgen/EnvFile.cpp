// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnvFile.h"

#include "StfWriter.h"
#include "StormFiles.h"

#include <optional>
#include <string>
#include <utility>

namespace stormgen {

namespace {

// One frame of an animated shader: each entry a frame token and its values.
using Frame = std::vector<std::pair<std::string, std::string>>;

struct AnimShader {
    std::optional<std::string> frameLength;
    std::vector<Frame> frames;
    std::string shader;
    std::string_view texture;
};

struct SkyLayer {
    std::optional<std::pair<std::string, std::string>> fadeIn, fadeOut;
    int faces, topRadius, topHeight;
    std::vector<std::pair<int, int>> edge; // (height, radius), ground upwards
    AnimShader anim;
};

struct Satellite {
    std::string lowScale, highScale, risePosition, riseTime, setTime;
    std::string dirRise, dirHigh, dirSet, ambRise, ambHigh, ambSet;
    int light; // 1 sun, 0 moon
    AnimShader anim;
};

Frame tiles(const std::string& u, const std::string& v) {
    return {{"world_anim_shader_frame_uvtiles", u + " " + v}};
}

void writeShader(StfWriter& w, const std::string& shader, std::string_view texture) {
    w.open("world_shader", shader);
    w.open("terrain_texslots", "1");
    w.leaf("terrain_texslot", quoted(std::string(texture)) + " 1 0");
    w.close();
    w.open("terrain_uvcalcs", "1");
    w.leaf("terrain_uvcalc", "1 0 0 0");
    w.close();
    w.close();
}

void writeAnimShader(StfWriter& w, const AnimShader& a) {
    w.open("world_anim_shader");
    if (a.frameLength) w.leaf("world_anim_shader_framelen", *a.frameLength);
    w.open("world_anim_shader_frames", integer(static_cast<long long>(a.frames.size())));
    for (const Frame& f : a.frames) {
        std::string body;
        for (const auto& [token, values] : f)
            body += (body.empty() ? "" : " ") + token + " ( " + values + " )";
        w.leaf("world_anim_shader_frame", body);
    }
    w.close();
    writeShader(w, a.shader, a.texture);
    w.close();
}

void writeSkyLayer(StfWriter& w, const SkyLayer& l) {
    w.open("world_sky_layer");
    if (l.fadeIn) w.leaf("world_sky_layer_fadein", l.fadeIn->first + " " + l.fadeIn->second);
    if (l.fadeOut) w.leaf("world_sky_layer_fadeout", l.fadeOut->first + " " + l.fadeOut->second);
    w.open("world_sky_layer_top");
    w.leaf("world_sky_layer_top_nfaces", integer(l.faces));
    w.leaf("world_sky_layer_top_radius", integer(l.topRadius));
    w.leaf("world_sky_layer_top_height", integer(l.topHeight));
    w.close();
    w.open("world_sky_layer_edge");
    w.open("world_sky_layer_edge_steps", integer(static_cast<long long>(l.edge.size())));
    for (const auto& [height, radius] : l.edge) {
        w.leaf("world_sky_layer_edge_step_height", integer(height));
        w.leaf("world_sky_layer_edge_step_radius", integer(radius));
    }
    w.close();
    w.close();
    writeAnimShader(w, l.anim);
    w.close();
}

void writeSatellite(StfWriter& w, const Satellite& s) {
    w.open("world_sky_satellite");
    w.leaf("world_sky_satellite_low_scale", s.lowScale);
    w.leaf("world_sky_satellite_high_scale", s.highScale);
    w.leaf("world_sky_satellite_rise_position", s.risePosition);
    w.leaf("world_sky_satellite_rise_time", s.riseTime);
    w.leaf("world_sky_satellite_set_time", s.setTime);
    w.leaf("world_sky_satellite_dir_rise_colour", s.dirRise);
    w.leaf("world_sky_satellite_dir_high_colour", s.dirHigh);
    w.leaf("world_sky_satellite_dir_set_colour", s.dirSet);
    w.leaf("world_sky_satellite_amb_rise_colour", s.ambRise);
    w.leaf("world_sky_satellite_amb_high_colour", s.ambHigh);
    w.leaf("world_sky_satellite_amb_set_colour", s.ambSet);
    w.leaf("world_sky_satellite_light", integer(s.light));
    writeAnimShader(w, s.anim);
    w.close();
}

// A dome of 8 faces, as in real environment files: a flat top of radius
// 660 to 800 and an edge that widens towards the horizon, to 1950 for the
// farthest layer. Nearer layers are scaled down, so they sit inside farther
// ones.
SkyLayer dome(int topRadius, AnimShader anim) {
    const int h = topRadius / 2;
    return {{},
            {},
            8,
            topRadius,
            h,
            {{-h / 4, topRadius * 39 / 16},
             {h / 5, topRadius * 9 / 4},
             {h * 2 / 3, topRadius * 3 / 2},
             {h, topRadius}},
            std::move(anim)};
}

// Lightning layers: nothing shows on most frames, where the texture is shrunk
// onto its fully transparent corner; on `lit` frames it spans the layer
// `tilesOn` times. The first and the last frames are dark, so a simulator
// that shows either of them without animating shows no lightning.
std::vector<Frame> lightningFrames(int count, const std::vector<int>& lit, const std::string& tilesOn) {
    std::vector<Frame> frames(static_cast<size_t>(count), tiles("0.001", "0.001"));
    for (int i : lit)
        frames[static_cast<size_t>(i)] = tiles(tilesOn, tilesOn);
    return frames;
}

// The tilings that readers take from other layers than the one they draw:
// the day sky's from the night layer, the cloud layer's from the last layer.
const std::string kSkyTiles = "2";
const std::string kScudTiles = "3";

Frame scud(const std::string& scrollU, const std::string& scrollV) {
    return {{"world_anim_shader_frame_uvtiles", kScudTiles + " " + kScudTiles},
            {"world_anim_shader_frame_uvscroll", scrollU + " " + scrollV}};
}

// The order matters to readers that do not animate or draw only some layers:
// one takes layer 0 as the day sky, a layer with a fade-in as the night sky
// (and its tiling for the day sky's), the first further layer as the cloud
// layer and the last further layer's last frame for the cloud tiling. So the
// storm deck comes first, the night layer tiles like it, a scud layer comes
// next and a scud layer with the same tiling comes last; the lightning lies
// between them.
std::vector<SkyLayer> skyLayers() {
    constexpr int kFrames = 50; // at 0.12 s: one flash sequence every 6 s
    std::vector<SkyLayer> layers;
    // 0: the day sky, a closed deck of storm clouds.
    layers.push_back(dome(800, {{}, {tiles(kSkyTiles, kSkyTiles)}, "BlendATex", kStormSky}));
    // 1: the night sky: no stars through a storm, so a transparent layer.
    SkyLayer night = dome(780, {{}, {tiles(kSkyTiles, kSkyTiles)}, "BlendATex", kTransparent});
    night.fadeIn = {"18:30:00", "20:30:00"};
    night.fadeOut = {"05:00:00", "07:00:00"};
    layers.push_back(std::move(night));
    // 2: high scud drifting slowly under the deck.
    layers.push_back(dome(740, {{}, {scud("0.002", "0.001")}, "BlendATex", kLowClouds}));
    // 3: sheet lightning lighting up the clouds.
    layers.push_back(
        dome(720, {std::string("0.12"), lightningFrames(kFrames, {30, 32, 33}, "1"), "BlendATex", kFlash}));
    // 4: forked bolts, in step with the flash.
    layers.push_back(
        dome(690, {std::string("0.12"), lightningFrames(kFrames, {30, 33}, "3"), "BlendATex", kBolt}));
    // 5: low, fast scud in front of everything.
    layers.push_back(dome(660, {{}, {scud("0.006", "0.002")}, "BlendATex", kLowClouds}));
    return layers;
}

std::vector<Satellite> satellites() {
    // The scales are those of real files (sun 800 and 400, moon 400 and 350).
    // At that size any glow would hang over the storm as a lamp that never
    // goes out, so both are drawn with the transparent texture: only their
    // dim light colours reach the scene.
    return {
        {"800",
         "400",
         "90",
         "06:00:00",
         "20:00:00",
         "ff4c4e54",
         "ff6a6e76",
         "ff4c4e54",
         "ff2a2c32",
         "ff3c4048",
         "ff2a2c32",
         1,
         {{}, {tiles("1", "1")}, "AddATexDiff", kTransparent}},
        {"400",
         "350",
         "270",
         "19:00:00",
         "07:00:00",
         "ff10121a",
         "ff181b24",
         "ff10121a",
         "ff0a0b10",
         "ff0e1016",
         "ff0a0b10",
         0,
         {{}, {tiles("1", "1")}, "BlendATex", kTransparent}},
    };
}

} // namespace

std::vector<std::uint8_t> makeStormEnvironment() {
    StfWriter w("SIMISA@@@@@@@@@@JINX0w0t______");
    w.open("world");
    // A few hundred metres of sight in the downpour; dark grey-blue fog.
    w.leaf("world_fog_distance", "700");
    w.leaf("world_fog_day_colour", "ff454a54");
    w.leaf("world_fog_night_colour", "ff0c0d11");

    w.open("world_sky");
    // The day and night skies sit behind the sun and moon; clouds, flashes
    // and bolts in front of them.
    w.leaf("world_sky_nlayers_behind_satellites", "2");
    const std::vector<SkyLayer> layers = skyLayers();
    w.open("world_sky_layers", integer(static_cast<long long>(layers.size())));
    for (const SkyLayer& l : layers)
        writeSkyLayer(w, l);
    w.close();
    // As in real files: a plain Diffuse shader without a texture slot.
    w.open("world_sky_horizon");
    w.leaf("world_shader", "Diffuse");
    w.close();
    const std::vector<Satellite> sats = satellites();
    w.open("world_sky_satellites", integer(static_cast<long long>(sats.size())));
    for (const Satellite& s : sats)
        writeSatellite(w, s);
    w.close();
    w.close();

    // The standard water of real rain files: the route's own water textures,
    // still, at the heights and tiling those files give them. Installing puts
    // the route's own water block in its place where the route's file has one.
    w.open("world_water");
    // Real files name a .raw file here, one that routes do not seem to ship;
    // Brontara installs none either.
    w.leaf("world_water_terrain_patch_map", "0 " + quoted(std::string(kWaterPatchMap)));
    w.leaf("world_water_wave_height", "0");
    w.leaf("world_water_wave_speed", "0");
    const char* heights[] = {"-1", "-0.5", "0"};
    w.open("world_water_layers", integer(static_cast<long long>(kRouteWater.size())));
    for (size_t i = 0; i < kRouteWater.size(); ++i) {
        w.open("world_water_layer");
        w.leaf("world_water_layer_height", heights[i]);
        writeAnimShader(w, {{}, {tiles("8", "8")}, "TexDiff", kRouteWater[i]});
        w.close();
    }
    w.close();
    w.close();

    // Rain as real rain files have it (the only density and speed known to
    // work), the drops drawn with the route's own rain streak.
    w.open("world_precipitation");
    w.leaf("world_precipitation_type", "world_precipitation_type_rain");
    w.leaf("world_precipitation_density", "2048");
    w.leaf("world_precipitation_speed", "40");
    writeAnimShader(w, {{}, {tiles("1", "1")}, "BlendATexDiff", kRouteRainDrops});
    w.close();

    // Gusty near the ground, a steady gale aloft.
    w.open("world_wind");
    w.open("world_wind_layers", "2");
    const char* wind[2][4] = {{"200", "1 0 1", "16", "0.7"}, {"2000", "1 0 0", "25", "0.4"}};
    for (const auto& layer : wind) {
        w.open("world_wind_layer");
        w.leaf("world_wind_layer_maxheight", layer[0]);
        w.leaf("world_wind_layer_direction", layer[1]);
        w.leaf("world_wind_layer_speed", layer[2]);
        w.leaf("world_wind_layer_turbulencep", layer[3]);
        w.close();
    }
    w.close();
    w.close();

    w.close();
    return w.finish();
}

} // namespace stormgen
