// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"
#include "platform/Path.h"
#include "platform/WindowsPath.h"
#include "platform/linux/WinePrefixes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string shownPath(std::string_view windowsPath) {
    return toHostPath(windowsPath).value_or(std::string(windowsPath));
}

std::filesystem::path fileSystemPath(const std::string& hostPath) {
    return std::filesystem::path(hostPath);
}

namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

// The entry of `folder` that Windows would open for `name`: the exact spelling
// when it exists, else the first entry in NTFS order that differs only in
// letter case. Nothing when no entry matches.
std::optional<std::string> lookUp(const std::string& folder, const std::string& name) {
    struct stat st;
    const std::string exact = (folder == "/" ? folder : folder + "/") + name;
    if (lstat(exact.c_str(), &st) == 0) return name;
    if (errno != ENOENT) return std::nullopt;
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view candidate = entry->d_name;
        if (candidate == "." || candidate == ".." || !sameFileName(candidate, name)) continue;
        if (!best || fileNameLess(candidate, *best)) best = std::string(candidate);
    }
    return best;
}

// Nothing when the current folder is gone: relative text then names nothing,
// rather than something below the root.
std::optional<std::string> currentFolder() {
    std::string buffer(PATH_MAX, '\0');
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.c_str());
}

// The host folder that a drive letter of a Wine prefix leads to. A drive that
// Wine does not have cannot be written to or created.
std::optional<std::string> driveFolder(const std::string& prefix, char drive) {
    if (prefix.empty()) return std::nullopt;
    const std::string link = prefix + "/dosdevices/" + drive + ":";
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(link.c_str(), nullptr), &std::free);
    if (!resolved) return std::nullopt;
    return std::string(resolved.get());
}

// The host folder that a path's components hang below.
std::optional<std::string> baseFolder(const WindowsPath& path) {
    switch (path.base) {
    case WindowsPath::Base::Rooted:
        return "/";
    case WindowsPath::Base::Drive:
        return driveFolder(winePrefix(), path.drive);
    case WindowsPath::Base::Relative:
        break;
    }
    auto folder = currentFolder();
    for (std::size_t k = 0; folder && k < path.parentSteps && *folder != "/"; ++k) {
        const auto slash = folder->find_last_of('/');
        *folder = slash == 0 ? "/" : folder->substr(0, slash);
    }
    return folder;
}

// Hangs the path's components below `host`, spelled as they exist there.
std::string appendComponents(std::string host, const WindowsPath& path) {
    bool found = true; // once a component is missing, the rest keep their spelling
    for (const std::string& component : path.components) {
        std::string spelled = component;
        if (found) {
            if (auto existing = lookUp(host, component))
                spelled = std::move(*existing);
            else
                found = false;
        }
        if (host.back() != '/') host += '/';
        host += spelled;
    }
    if (path.trailingSeparator) host += '/';
    return host;
}

} // namespace

std::string winePrefix() {
    return wine::Environment::ofProcess().prefixInForce();
}

std::optional<std::string> toHostPath(std::string_view windowsPath) {
    const auto path = parseWindowsPath(windowsPath);
    return path ? toHostPath(*path) : std::nullopt;
}

std::optional<std::string> toHostPath(const WindowsPath& path) {
    auto host = baseFolder(path);
    if (!host) return std::nullopt;
    return appendComponents(std::move(*host), path);
}

std::optional<std::string> wine::toHostPathInPrefix(const WindowsPath& path, const std::string& prefix) {
    if (path.base != WindowsPath::Base::Drive) return std::nullopt;
    auto host = driveFolder(prefix, path.drive);
    if (!host) return std::nullopt;
    return appendComponents(std::move(*host), path);
}

wine::Environment wine::Environment::ofProcess() {
    const auto variable = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value ? value : "";
    };
    return {variable("HOME"), variable("WINEPREFIX")};
}

std::string wine::Environment::prefixInForce() const {
    if (!winePrefix.empty()) return winePrefix;
    if (!home.empty()) return home + "/.wine";
    return {};
}

} // namespace platform
