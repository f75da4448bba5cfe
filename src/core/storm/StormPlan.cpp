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
    const std::string& V = record.virtualStoreFolder;
    const std::string routes = (record.routeInVirtualStore && !V.empty() ? V : S) + "\\Routes\\";
    const std::string envfiles = routes + R + "\\Envfiles\\";
    const std::string sound = S + "\\SOUND\\";
    // The folders are created under "back_up"; the copies name it "Back_up":
    // one folder, since names match without regard to case.
    const std::string backups = P + "\\Dump\\Back_up\\";

    StormPlan plan;
    plan.envfilesFolder = routes + R + "\\Envfiles";
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
    if (V.empty()) return plan;
    const auto copyOf = [](const ReplacedFile& f, const std::string& copy) {
        return ReplacedFile{copy, f.backup + ".VirtualStore", f.stormVersion};
    };
    plan.virtualSoundFolder = V + "\\SOUND";
    for (std::size_t i = 0; i < 2; ++i)
        plan.soundSourceCopies.push_back(
            copyOf(plan.soundSources[i], plan.virtualSoundFolder + "\\" + record.rainSoundNames[i]));
    if (record.routeInVirtualStore) return plan;
    plan.virtualEnvfilesFolder = V + "\\Routes\\" + R + "\\Envfiles";
    for (std::size_t i = 0; i < record.rainEnvNames.size(); ++i)
        plan.rainEnvCopies.push_back(
            copyOf(plan.rainEnvFiles[i], plan.virtualEnvfilesFolder + "\\" + record.rainEnvNames[i]));
    return plan;
}

namespace {

std::vector<Replacement> withCopies(const auto& files, const auto& existed,
                                    const std::vector<ReplacedFile>& copies, const auto& copyExisted) {
    std::vector<Replacement> replaced;
    for (std::size_t i = 0; i < files.size() && i < existed.size(); ++i) {
        replaced.push_back({&files[i], existed[i]});
        if (i < copies.size() && i < copyExisted.size() && copyExisted[i])
            replaced.push_back({&copies[i], true});
    }
    return replaced;
}

} // namespace

std::vector<Replacement> replacedRainEnvFiles(const StormPlan& plan, const StormJournal& journal) {
    return withCopies(plan.rainEnvFiles, journal.rainEnvExisted, plan.rainEnvCopies,
                      journal.rainEnvCopyExisted);
}

std::vector<Replacement> replacedSoundSources(const StormPlan& plan, const StormJournal& journal) {
    return withCopies(plan.soundSources, journal.rainSoundExisted, plan.soundSourceCopies,
                      journal.rainSoundCopyExisted);
}

} // namespace storm
