// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileAccess.h"
#include "platform/Path.h"
#include "platform/linux/Permissions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

Refusal fromErrno(int error) {
    return {std::strerror(error), error == EACCES || error == EPERM, false};
}

Refusal notAFile() {
    return {"", false, true};
}

std::string folderOf(const std::string& hostPath) {
    const auto slash = hostPath.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : hostPath.substr(0, slash);
}

// An opened file that is closed again at once.
std::optional<Refusal> opens(const std::string& hostPath, int flags) {
    const int fd = open(hostPath.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fromErrno(errno);
    struct stat st;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    if (!regular) return notAFile(); // it changed under us between the look and the open
    return std::nullopt;
}

// A new file in the folder that no one can see: an unnamed file where the
// file system has them, else a name of ours, removed at once.
std::optional<Refusal> takesNewFile(const std::string& folder) {
    struct stat st;
    if (stat(folder.c_str(), &st) != 0) return fromErrno(errno);
    if (!S_ISDIR(st.st_mode)) return fromErrno(ENOTDIR);
    int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        close(fd);
        return std::nullopt;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return fromErrno(errno);
    const std::string probe = folder + "/.brontara-" + std::to_string(getpid()) + "-probe.tmp";
    fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return fromErrno(errno);
    close(fd);
    unlink(probe.c_str());
    return std::nullopt;
}

} // namespace

std::optional<Refusal> whyRefused(std::string_view windowsPath, Access access) {
    const auto host = toHostPath(windowsPath);
    if (!host) return fromErrno(ENOENT);
    if (access == Access::AddFile) return takesNewFile(*host);

    struct stat st; // through a link: a read or a write reaches the file behind it
    if (stat(host->c_str(), &st) != 0) {
        if (access == Access::Replace && errno == ENOENT) return takesNewFile(folderOf(*host));
        return fromErrno(errno);
    }
    // A pipe or device is never opened: opening one can wait for ever.
    if (!S_ISREG(st.st_mode)) return notAFile();
    if (access == Access::Read) return opens(*host, O_RDONLY);
    // A file without a write bit counts as read-only, for root as well, as the copy treats it: administrator
    // rights would not help, as they do not with Windows' read-only attribute.
    if (detail::lacksWritePermission(st)) return Refusal{std::strerror(EACCES), false, false};
    if (const auto refused = opens(*host, O_WRONLY)) return refused;
    // The replacement is written beside the file the write reaches.
    char* resolved = realpath(host->c_str(), nullptr);
    if (!resolved) return fromErrno(errno);
    const std::string target = resolved;
    std::free(resolved);
    return takesNewFile(folderOf(target));
}

std::string lastErrorText() {
    return std::strerror(errno);
}

} // namespace platform
