// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReplaceFile.h"

#include "platform/linux/Permissions.h"
#include "platform/linux/RegularFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::detail {
namespace {

// The file a write to `hostPath` lands in: a symbolic link is followed, as
// Windows programs expect their writes to reach the file behind a link.
std::optional<std::string> writeTarget(const std::string& hostPath) {
    struct stat st;
    if (lstat(hostPath.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return hostPath;
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(hostPath.c_str(), nullptr), &std::free);
    if (!resolved) return std::nullopt; // a broken link or a loop
    return std::string(resolved.get());
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Opens a fresh temporary file beside the target. The name is short, so that
// a target name near the length limit still gets one.
int openTemporary(const std::string& folder, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + ".brontara-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool renameIntoPlace(const std::string& from, const std::string& to, IfExists ifExists) {
    if (ifExists == IfExists::Replace) return rename(from.c_str(), to.c_str()) == 0;
    // Refuse atomically, so that a file that appeared meanwhile is not replaced.
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without RENAME_NOREPLACE: link() refuses an existing name just as well.
    if (link(from.c_str(), to.c_str()) != 0) return false;
    unlink(from.c_str());
    return true;
}

// The folder's entries go to the disk: the new name survives a power cut.
bool syncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // A file system that cannot flush a folder (EINVAL) keeps its entries safe by itself.
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

} // namespace

int openRegularFile(const std::string& hostPath, struct stat& st) {
    if (stat(hostPath.c_str(), &st) != 0) return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    const int fd = open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        const int error = S_ISREG(st.st_mode) ? errno : EINVAL;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& hostPath) {
    struct stat st;
    const int fd = openRegularFile(hostPath, st);
    if (fd < 0) return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(fd);
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return content;
}

bool syncParentFolder(const std::string& hostPath) {
    std::string path = hostPath;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return syncFolder(".");
    return syncFolder(slash == 0 ? std::string("/") : path.substr(0, slash));
}

bool replaceFile(const std::string& hostPath, IfExists ifExists, std::optional<unsigned> permissions,
                 const std::function<bool(const ContentSink&)>& fill, bool durable) {
    const auto target = writeTarget(hostPath);
    if (!target || target->empty() || target->back() == '/') return false;

    struct stat old;
    const bool exists = stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && (ifExists == IfExists::Fail || !S_ISREG(old.st_mode) || lacksWritePermission(old))) {
        // The reason the caller reports, as the system would have given it.
        errno = ifExists == IfExists::Fail ? EEXIST : !S_ISREG(old.st_mode) ? EISDIR : EACCES;
        return false;
    }

    const auto slash = target->find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target->substr(0, slash + 1);
    std::string temporary;
    const int fd = openTemporary(folder, temporary);
    if (fd < 0) return false;

    bool ok = fill([fd](std::string_view piece) { return writeAll(fd, piece); });
    if (ok && permissions)
        ok = fchmod(fd, *permissions & 07777) == 0;
    else if (ok && exists) {
        ok = fchmod(fd, old.st_mode & 07777) == 0;
        // Only root can hand the file back to its owner; for anyone else it is theirs already.
        if (ok && geteuid() == 0 && (old.st_uid != 0 || old.st_gid != 0))
            ok = fchown(fd, old.st_uid, old.st_gid) == 0;
    }
    if (ok && durable) ok = fsync(fd) == 0;
    ok = close(fd) == 0 && ok; // a full disk may show only here
    if (ok) ok = renameIntoPlace(temporary, *target, ifExists);
    if (!ok) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
    }
    // The content is in place whatever the folder's flush says; a failed flush is reported all the same,
    // since the caller asked for a copy that survives a power cut.
    if (ok && durable) ok = syncFolder(folder.empty() ? std::string(".") : folder);
    return ok;
}

} // namespace platform::detail
