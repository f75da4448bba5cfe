// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormJournal.h"

#include "core/storm/RouteInspection.h"
#include "core/storm/StormPlan.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <map>

namespace storm {
namespace {

// Format 1 did not record the simulator's location, format 2 not its VirtualStore; both are still read.
constexpr std::string_view kFormat = "3";
constexpr std::string_view kFormatWithoutVirtualStore = "2";
constexpr std::string_view kFormatWithoutLocation = "1";

std::string_view stageName(StormJournal::Stage s) {
    return s == StormJournal::Stage::Replacing ? "Replacing" : "BackingUp";
}

bool oneLine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

// "1|name" or "0|name".
std::optional<std::pair<bool, std::string>> flaggedName(std::string_view value) {
    if (value.size() < 3 || value[1] != '|' || (value[0] != '0' && value[0] != '1')) return std::nullopt;
    return std::make_pair(value[0] == '1', std::string(value.substr(2)));
}

bool isTextureName(const std::string& name) {
    return std::find(kTextureNames.begin(), kTextureNames.end(), name) != kTextureNames.end();
}

bool isThunderSoundName(const std::string& name) {
    for (std::size_t n = 1; n <= kThunderSoundCount; ++n)
        if (name == thunderSoundName(n)) return true;
    return false;
}

bool hasDuplicates(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) != names.end();
}

} // namespace

std::string journalPath(const std::string& programFolder) {
    return programFolder + "Dump\\storm_journal.ini";
}

std::string installedSimulatorFolder(const StormJournal& journal) {
    return journal.simulatorLocation.empty() ? journal.record.simulatorFolder : journal.simulatorLocation;
}

std::vector<std::string> replacedInVirtualStore(const StormJournal& journal) {
    const StormRecord& r = journal.record;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < r.rainEnvNames.size(); ++i)
        if (r.routeInVirtualStore || (i < journal.rainEnvCopyExisted.size() && journal.rainEnvCopyExisted[i]))
            files.push_back("Routes\\" + r.route + "\\Envfiles\\" + r.rainEnvNames[i]);
    for (std::size_t i = 0; i < 2; ++i)
        if (journal.rainSoundCopyExisted[i]) files.push_back("SOUND\\" + r.rainSoundNames[i]);
    return files;
}

std::optional<std::string> StormJournal::toText() const {
    const StormRecord& r = record;
    if (!oneLine(r.simulatorFolder) || !oneLine(r.route) || !oneLine(simulatorLocation) ||
        !oneLine(r.virtualStoreFolder) || simulatorLocation.empty() ||
        rainEnvExisted.size() != r.rainEnvNames.size() ||
        (!rainEnvCopyExisted.empty() && rainEnvCopyExisted.size() != r.rainEnvNames.size()))
        return std::nullopt;
    std::string t;
    auto line = [&](std::string_view a, std::string_view b = {}) { t.append(a).append(b).append("\r\n"); };
    line("; Brontara: a storm is installed in Train Simulator. Brontara's restore button");
    line("; puts the simulator's files back and then removes this file.");
    line("[Storm]");
    line("Format=", kFormat);
    line("Stage=", stageName(stage));
    line("SimulatorFolder=", r.simulatorFolder);
    line("SimulatorLocation=", simulatorLocation);
    line("Route=", r.route);
    line("RainEnvByPattern=", r.rainEnvByPattern ? "1" : "0");
    line("VirtualStore=", r.virtualStoreFolder);
    line("RouteInVirtualStore=", r.routeInVirtualStore ? "1" : "0");
    line("[Replaced]");
    for (std::size_t i = 0; i < r.rainEnvNames.size(); ++i) {
        if (!oneLine(r.rainEnvNames[i])) return std::nullopt;
        line(rainEnvExisted[i] ? "RainEnv=1|" : "RainEnv=0|", r.rainEnvNames[i]);
    }
    for (std::size_t i = 0; i < 2; ++i)
        line(rainSoundExisted[i] ? "RainSound=1|" : "RainSound=0|", r.rainSoundNames[i]);
    line("[VirtualStore]");
    for (std::size_t i = 0; i < r.rainEnvNames.size(); ++i)
        if (i < rainEnvCopyExisted.size() && rainEnvCopyExisted[i]) line("RainEnv=", r.rainEnvNames[i]);
    for (std::size_t i = 0; i < 2; ++i)
        if (rainSoundCopyExisted[i]) line("RainSound=", r.rainSoundNames[i]);
    line("[Added]");
    for (const auto& name : addedTextures)
        line("Texture=", name);
    for (const auto& name : addedSounds)
        line("Sound=", name);
    line("[End]");
    return t;
}

std::optional<StormJournal> StormJournal::parse(std::string_view text) {
    StormJournal j;
    j.record.rainEnvNames.clear();
    std::map<std::string, std::string> storm; // [Storm], each key once
    std::vector<std::pair<bool, std::string>> envs, sounds;
    std::vector<std::string> envCopies, soundCopies; // [VirtualStore]
    std::string section;
    bool ended = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find('\r') != std::string_view::npos) return std::nullopt; // never written by us
        if (line.empty() || line.front() == ';') continue;
        if (ended) return std::nullopt; // nothing may follow the end mark
        if (line.front() == '[') {
            if (line.back() != ']') return std::nullopt;
            section = std::string(line.substr(1, line.size() - 2));
            if (section == "End")
                ended = true;
            else if (section != "Storm" && section != "Replaced" && section != "VirtualStore" &&
                     section != "Added")
                return std::nullopt;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        const std::string key(line.substr(0, eq));
        const std::string_view value = line.substr(eq + 1);
        if (section == "Storm") {
            if (!storm.emplace(key, std::string(value)).second) return std::nullopt;
        } else if (section == "Replaced" && (key == "RainEnv" || key == "RainSound")) {
            auto entry = flaggedName(value);
            if (!entry || !platform::isSingleEntryName(entry->second)) return std::nullopt;
            (key == "RainEnv" ? envs : sounds).push_back(*entry);
        } else if (section == "VirtualStore" && (key == "RainEnv" || key == "RainSound")) {
            (key == "RainEnv" ? envCopies : soundCopies).emplace_back(value);
        } else if (section == "Added" && key == "Texture" && isTextureName(std::string(value))) {
            j.addedTextures.emplace_back(value);
        } else if (section == "Added" && key == "Sound" && isThunderSoundName(std::string(value))) {
            j.addedSounds.emplace_back(value);
        } else {
            return std::nullopt;
        }
    }
    auto value = [&](const char* key) -> const std::string* {
        auto it = storm.find(key);
        return it == storm.end() ? nullptr : &it->second;
    };
    const std::string* format = value("Format");
    const std::string* stage = value("Stage");
    const std::string* simulator = value("SimulatorFolder");
    const std::string* route = value("Route");
    const std::string* byPattern = value("RainEnvByPattern");
    const std::string* location = value("SimulatorLocation");
    const std::string* virtualStore = value("VirtualStore");
    const std::string* routeInStore = value("RouteInVirtualStore");
    if (!ended || !format || !stage || !simulator || !route || !byPattern) return std::nullopt;
    const bool withStore = *format == kFormat && location && !location->empty() && virtualStore &&
                           routeInStore && storm.size() == 8;
    const bool withLocation =
        *format == kFormatWithoutVirtualStore && location && !location->empty() && storm.size() == 6;
    const bool withoutLocation = *format == kFormatWithoutLocation && !location && storm.size() == 5;
    if (!withStore && !withLocation && !withoutLocation) return std::nullopt;
    if (location) j.simulatorLocation = *location;
    if (withStore) {
        if (*routeInStore != "0" && *routeInStore != "1") return std::nullopt;
        j.record.virtualStoreFolder = *virtualStore;
        j.record.routeInVirtualStore = *routeInStore == "1";
    }
    // Copies are only ever in a VirtualStore, and a route that lies there has no further copies.
    if ((j.record.virtualStoreFolder.empty() && (j.record.routeInVirtualStore || !soundCopies.empty())) ||
        ((j.record.virtualStoreFolder.empty() || j.record.routeInVirtualStore) && !envCopies.empty()) ||
        hasDuplicates(envCopies) || hasDuplicates(soundCopies))
        return std::nullopt;
    if (*stage != stageName(Stage::BackingUp) && *stage != stageName(Stage::Replacing)) return std::nullopt;
    if (!isAcceptableRouteName(*route) || (*byPattern != "0" && *byPattern != "1")) return std::nullopt;
    j.stage = *stage == stageName(Stage::Replacing) ? Stage::Replacing : Stage::BackingUp;
    j.record.simulatorFolder = *simulator;
    j.record.route = *route;
    j.record.rainEnvByPattern = *byPattern == "1";

    // One "rain.env", or one to four pattern matches; the two rain sound sources in their order.
    if (envs.empty() || envs.size() > 4 || (!j.record.rainEnvByPattern && envs.size() != 1))
        return std::nullopt;
    const auto copied = [](std::vector<std::string>& copies, const std::string& name) {
        const auto it = std::find(copies.begin(), copies.end(), name);
        if (it == copies.end()) return false;
        copies.erase(it);
        return true;
    };
    for (const auto& [existed, name] : envs) {
        if (!platform::wildcardMatch("*rain*.env", name)) return std::nullopt;
        j.record.rainEnvNames.push_back(name);
        j.rainEnvExisted.push_back(existed);
        j.rainEnvCopyExisted.push_back(copied(envCopies, name));
    }
    if (sounds.size() != 2) return std::nullopt;
    for (std::size_t i = 0; i < 2; ++i) {
        if (sounds[i].second != j.record.rainSoundNames[i]) return std::nullopt;
        j.rainSoundExisted[i] = sounds[i].first;
        j.rainSoundCopyExisted[i] = copied(soundCopies, sounds[i].second);
    }
    if (!envCopies.empty() || !soundCopies.empty()) return std::nullopt; // a copy of a file never replaced
    if (hasDuplicates(j.addedTextures) || hasDuplicates(j.addedSounds)) return std::nullopt;
    return j;
}

} // namespace storm
