// SPDX-License-Identifier: GPL-3.0-or-later
#include "StormFixture.h"

#include "core/storm/StormPlan.h"

namespace storm_test {

StormFixture::StormFixture() {
    program = dir.mkdir("Brontara");
    for (const char* folder : {"Dump/Languages", "Dump/back_up"})
        dir.mkdir(std::string("Brontara/") + folder);
    for (const char* name : storm::kTextureNames)
        dir.write(std::string("Brontara/Dump/Textures/") + name, std::string("storm texture ") + name);
    for (std::size_t n = 1; n <= storm::kThunderSoundCount; ++n)
        dir.write("Brontara/Dump/Sounds/" + storm::thunderSoundName(n), "thunder " + std::to_string(n));
    for (const char* name : {"rain_in.sms", "rain_ex.sms"})
        dir.write(std::string("Brontara/Dump/Sounds/ZKT_") + name, stormSoundSource(name));
    dir.write("Brontara/Dump/rain/ZKT_rain_Onweer.env", stormEnv());

    simulator = dir.mkdir("MSTS");
    dir.write("MSTS/train.exe", "train");
    dir.write("MSTS/SOUND/rain_in.sms", original("rain_in.sms"));
    dir.write("MSTS/SOUND/rain_ex.sms", original("rain_ex.sms"));
    dir.write("MSTS/SOUND/horn.wav", original("horn"));
}

void StormFixture::addRoute(const std::string& route, const std::vector<std::string>& envFiles) {
    const std::string envfiles = "MSTS/Routes/" + route + "/Envfiles/";
    dir.write(envfiles + "Textures/sky.ace", original(route + " sky"));
    for (const std::string& name : envFiles)
        dir.write(envfiles + name, original(route + " " + name));
}

storm::StormRecord StormFixture::record(const std::string& route, std::vector<std::string> names,
                                        bool byPattern) const {
    storm::StormRecord r;
    r.simulatorFolder = simulator;
    r.route = route;
    r.rainEnvNames = std::move(names);
    r.rainEnvByPattern = byPattern;
    return r;
}

} // namespace storm_test
