// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextEncoding.h"
#include "platform/linux/WinePrefixes.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace platform::wine {
namespace {

// Prefix managers keep one prefix per entry of a known folder of the home
// folder; `inside` is where the prefix lies within such an entry.
struct PrefixFolder {
    const char* folder;
    const char* inside;
};
constexpr std::array<PrefixFolder, 5> kPrefixFolders = {{
    {".local/share/bottles/bottles", ""},                         // Bottles
    {".var/app/com.usebottles.bottles/data/bottles/bottles", ""}, // Bottles from Flathub
    {"Games", ""},                                                // Lutris
    {".PlayOnLinux/wineprefix", ""},                              // PlayOnLinux
    {".steam/steam/steamapps/compatdata", "/pfx"},                // Proton, one per game
}};

// Only this many entries of a known folder are looked at, so that a folder
// filled with other things never makes the window wait.
constexpr std::size_t kMaxEntries = 500;
// A prefix's system.reg holds some megabytes; one far larger is not Wine's
// and is not read.
constexpr std::uint64_t kMaxSystemReg = 64u << 20;

// A name or path that every reader of a stored folder reads back as it is:
// valid UTF-8, no control character, and no "\", which they take for a
// separator.
bool harmless(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || !text::isValidUtf8(name)) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 32 || byte == 127 || c == '\\';
    });
}

std::vector<std::string> harmlessEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir) return names;
    // Every entry counts, taken or not: a folder of rejected names is not read to its end either.
    for (std::size_t read = 0; read < kMaxEntries; ++read) {
        const dirent* entry = readdir(dir.get());
        if (!entry) break;
        if (harmless(entry->d_name)) names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The places a prefix may be, in a fixed order: never more than a listing of
// each known folder, never a walk through the home folder.
std::vector<std::string> knownPrefixes(const Environment& environment) {
    std::vector<std::string> prefixes{environment.home + "/.wine"};
    for (const PrefixFolder& known : kPrefixFolders) {
        const std::string folder = environment.home + "/" + known.folder;
        for (const std::string& name : harmlessEntries(folder))
            prefixes.push_back(folder + "/" + name + known.inside);
    }
    return prefixes;
}

std::optional<std::string> realPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
    if (!resolved) return std::nullopt; // missing, unreadable, or a loop of links
    return std::string(resolved.get());
}

// A link to the root, to the home folder or above it is no prefix.
bool holdsHome(const std::string& resolved, const std::string& resolvedHome) {
    return resolved == "/" || resolved == resolvedHome || resolvedHome.rfind(resolved + "/", 0) == 0;
}

// The first folder of the prefix that the query accepts: the registry's, then the defaults.
std::optional<std::string> folderIn(const std::string& prefix, const WinePrefixQuery& query) {
    std::vector<std::string> candidates;
    const KeyLookup entry = lookUpMachineValue(prefix, query.registryKey, query.valueName, kMaxSystemReg);
    if (entry.value && entry.value->isText()) candidates.push_back(entry.value->text);
    candidates.insert(candidates.end(), query.defaultFolders.begin(), query.defaultFolders.end());
    for (const std::string& text : candidates) {
        const auto path = parseWindowsPath(text);
        auto host = path ? toHostPathInPrefix(*path, prefix) : std::nullopt;
        if (!host) continue;
        while (host->size() > 1 && host->back() == '/')
            host->pop_back();
        if (harmless(*host) && query.accepts(*host)) return host;
    }
    return std::nullopt;
}

struct Found {
    std::string folder;
    timespec changed; // when Wine last saved the prefix's registry
};

bool newer(const Found& a, const Found& b) {
    if (a.changed.tv_sec != b.changed.tv_sec) return a.changed.tv_sec > b.changed.tv_sec;
    return a.changed.tv_nsec > b.changed.tv_nsec;
}

} // namespace

std::vector<std::string> findInOtherPrefixes(const WinePrefixQuery& query, const Environment& environment) {
    const auto home = environment.home.empty() ? std::nullopt : realPath(environment.home);
    if (!home) return {};
    std::vector<std::string> seen; // resolved prefixes, the one in force among them
    if (auto inForce = realPath(environment.prefixInForce())) seen.push_back(std::move(*inForce));
    std::vector<Found> found;
    for (const std::string& prefix : knownPrefixes(environment)) {
        const auto resolved = realPath(prefix);
        if (!resolved || holdsHome(*resolved, *home) ||
            std::find(seen.begin(), seen.end(), *resolved) != seen.end())
            continue;
        seen.push_back(*resolved);
        const std::string systemReg = *resolved + "/system.reg";
        struct stat info {};
        if (stat(systemReg.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            static_cast<std::uint64_t>(info.st_size) > kMaxSystemReg ||
            !readHeader(systemReg, kMaxSystemReg).valid)
            continue;
        try {
            if (auto folder = folderIn(*resolved, query)) found.push_back({std::move(*folder), info.st_mtim});
        } catch (const std::exception&) {
            // Memory or a path the system refuses: the prefix is left out.
        }
    }
    std::stable_sort(found.begin(), found.end(), newer);
    std::vector<std::string> folders;
    for (Found& f : found)
        folders.push_back(std::move(f.folder));
    return folders;
}

} // namespace platform::wine

std::vector<std::string> platform::findInOtherWinePrefixes(const WinePrefixQuery& query) {
    return wine::findInOtherPrefixes(query, wine::Environment::ofProcess());
}
