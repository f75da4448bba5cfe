// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"

#include "platform/Path.h"
#include "platform/linux/Permissions.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (home.empty())
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) home = entry->pw_dir;
    return home;
}

} // namespace

std::string userDataFolder() {
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    std::string base = environment("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = homeFolder();
        if (home.empty() || home.front() != '/') return {};
        base = home + "/.local/share";
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base + "/brontara/";
}

bool folderIsWritable(std::string_view windowsPath) {
    const auto host = toHostPath(windowsPath);
    struct stat st {};
    if (!host || stat(host->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // The permission bits decide, even for root, as they do for the read-only
    // attribute; access() adds what they cannot show, a read-only mount.
    return !detail::lacksWritePermission(st) && access(host->c_str(), W_OK | X_OK) == 0;
}

} // namespace platform
