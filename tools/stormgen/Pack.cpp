// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pack.h"

#include "AceWriter.h"
#include "EnvFile.h"
#include "SmsFile.h"
#include "StormFiles.h"
#include "Textures.h"
#include "Thunder.h"
#include "WavWriter.h"

#include <cstdint>
#include <fstream>
#include <future>
#include <stdexcept>
#include <string>
#include <vector>

namespace stormgen {

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void writeTexture(const fs::path& folder, std::string_view name, const Image& img, AceLayout layout) {
    writeFile(folder / name, encodeAce(buildMipChain(img, layout == AceLayout::Alpha), layout));
}

} // namespace

void writeStormPack(const fs::path& dumpFolder) {
    const fs::path textures = dumpFolder / kTexturesFolder;
    const fs::path sounds = dumpFolder / kSoundsFolder;
    const fs::path rain = dumpFolder / kRainFolder;
    for (const fs::path& folder : {textures, sounds, rain})
        fs::create_directories(folder);

    // The build runs this for every configuration, Debug included: the
    // pieces are independent (each has its own seed and its own file), so
    // they run side by side. Their bytes do not depend on the order.
    std::vector<std::future<void>> jobs;
    auto run = [&jobs](auto job) { jobs.push_back(std::async(std::launch::async, job)); };
    run([&] { writeTexture(textures, kStormSky, makeStormSky(512), AceLayout::Opaque); });
    run([&] { writeTexture(textures, kBolt, makeLightningBolt(512), AceLayout::Alpha); });
    run([&] {
        writeTexture(textures, kLowClouds, makeLowClouds(256), AceLayout::Alpha);
        writeTexture(textures, kFlash, makeLightningFlash(256), AceLayout::Alpha);
        writeTexture(textures, kTransparent, makeTransparent(256), AceLayout::Alpha);
    });
    run([&] {
        const std::vector<Signal> set = synthesizeThunderSet();
        for (size_t i = 0; i < set.size(); ++i)
            writeFile(sounds / kThunderSounds[i], encodeWav(set[i]));
    });
    run([&] {
        writeFile(sounds / kInCabSms, makeRainSms(Listener::InCab));
        writeFile(sounds / kExternalSms, makeRainSms(Listener::External));
        writeFile(rain / kEnvironment, makeStormEnvironment());
    });
    // Wait for all before reporting the first failure.
    for (auto& j : jobs)
        j.wait();
    for (auto& j : jobs)
        j.get();
}

} // namespace stormgen
