// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormPlan.h"

#include "core/storm/StormJournal.h"

namespace storm {

std::string thunderSoundName(std::size_t n) {
    return "ZKT_Onweer" + std::to_string(n) + ".wav";
}

StormPlan StormPlan::make(const std::string& programFolder, const StormRecord& record) {
    const std::string& P = programFolder;
    const std::string& S = record.simulatorFolder;
    const std::string& R = record.route;
    const std::string envfiles = S + "\\Routes\\" + R + "\\Envfiles\\";
    const std::string sound = S + "\\SOUND\\";
    // The folders are created under "back_up"; the copies name it "Back_up":
    // one folder, since names match without regard to case.
    const std::string backups = P + "\\Dump\\Back_up\\";

    StormPlan plan;
    plan.envfilesFolder = S + "\\Routes\\" + R + "\\Envfiles";
    plan.soundFolder = S + "\\SOUND";
    plan.backupFolder = P + "\\Dump\\back_up";
    plan.dumpFolder = P + "\\Dump";
    plan.journal = journalPath(P);
    plan.routeBackupFolder = P + "\\Dump\\back_up\\" + R;
    plan.soundsBackupFolder = P + "\\Dump\\back_up\\Sounds";
    plan.stormEnvironment = P + "\\Dump\\rain\\ZKT_rain_Onweer.env";
    for (const std::string& name : record.rainEnvNames)
        plan.rainEnvFiles.push_back(
            {envfiles + name, backups + R + "\\" + name, backups + R + "\\" + name + ".storm"});
    for (std::size_t i = 0; i < kTextureNames.size(); ++i) {
        const std::string name = kTextureNames[i];
        plan.textures[i] = {name, P + "\\Dump\\Textures\\" + name, envfiles + "Textures\\" + name};
    }
    for (std::size_t n = 1; n <= kThunderSoundCount; ++n) {
        const std::string name = thunderSoundName(n);
        plan.thunderSounds[n - 1] = {name, P + "\\Dump\\Sounds\\" + name, sound + name};
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string& name = record.rainSoundNames[i];
        plan.soundSources[i] = {sound + name, backups + "Sounds\\" + name, P + "\\Dump\\Sounds\\ZKT_" + name};
    }
    return plan;
}

} // namespace storm
