// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/ReplaceFile.h"
#include "platform/WindowsPath.h"
#include "platform/linux/Permissions.h"
#include "platform/linux/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr unsigned kExcludable = Hidden | SysFile | VolumeId | Directory;

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

bool isDotEntry(std::string_view name) {
    return name == "." || name == "..";
}

// The attributes Windows would report, from what the entry points to.
unsigned attributesOf(std::string_view name, const struct stat& st) {
    unsigned attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= Directory;
    else if (S_ISREG(st.st_mode))
        attributes |= Archive;
    else
        attributes |= SysFile; // sockets, fifos, devices
    if (name.front() == '.' && !isDotEntry(name)) attributes |= Hidden;
    if (detail::lacksWritePermission(st)) attributes |= ReadOnly;
    return attributes;
}

// "." and ".." come first, as Windows lists them, the rest in NTFS order.
bool listingOrder(const FindEntry& a, const FindEntry& b) {
    const bool aDot = isDotEntry(a.name), bDot = isDotEntry(b.name);
    if (aDot != bDot) return aDot;
    return fileNameLess(a.name, b.name);
}

// Of several names that differ only in letter case, Windows has just one;
// keep the one a path lookup picks: the exact spelling, else the first.
void keepOneSpelling(std::vector<FindEntry>& entries, std::string_view wanted) {
    if (entries.size() < 2) return;
    auto exact =
        std::find_if(entries.begin(), entries.end(), [&](const FindEntry& e) { return e.name == wanted; });
    FindEntry kept = exact != entries.end() ? *exact : entries.front();
    entries.assign(1, std::move(kept));
}

bool copyContent(int from, const detail::ContentSink& put) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || !put(std::string_view(buffer, static_cast<std::size_t>(got)))) return false;
    }
}

} // namespace

std::vector<FindEntry> findFiles(std::string_view windowsPattern, unsigned attributeFilter) {
    auto path = parseWindowsPath(windowsPattern);
    // A pattern ending in a separator names no entry, as with FindFirstFile.
    if (!path || path->components.empty() || path->trailingSeparator) return {};
    const std::string pattern = std::move(path->components.back());
    path->components.pop_back();
    const bool atRoot = path->components.empty() && path->base != WindowsPath::Base::Relative;
    const auto folder = toHostPath(*path);
    if (!folder) return {};

    std::unique_ptr<DIR, DirCloser> dir(opendir(folder->c_str()));
    if (!dir) return {};
    std::vector<FindEntry> entries;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (!wildcardMatch(pattern, name)) continue;
        if (isDotEntry(name) && (atRoot || *folder == "/"))
            continue; // a root folder has no "." and ".." on Windows
        struct stat st;
        if (fstatat(dirfd(dir.get()), entry->d_name, &st, 0) != 0)
            continue; // a broken link, a link loop or an entry we may not see
        entries.push_back({std::string(name), attributesOf(name, st)});
    }
    std::sort(entries.begin(), entries.end(), listingOrder);
    if (!hasWildcards(pattern)) keepOneSpelling(entries, pattern);
    const unsigned excluded = ~attributeFilter & kExcludable;
    std::erase_if(entries, [excluded](const FindEntry& e) { return (e.attributes & excluded) != 0; });
    return entries;
}

bool copyFile(std::string_view from, std::string_view to, bool failIfExists, bool durable) {
    const auto source = toHostPath(from);
    const auto destination = toHostPath(to);
    if (!source || !destination) return false;
    struct stat st;
    FileDescriptor in(detail::openRegularFile(*source, st));
    if (in.get() < 0) return false;
    const auto mode = failIfExists ? detail::IfExists::Fail : detail::IfExists::Replace;
    const bool copied = detail::replaceFile(
        *destination, mode, st.st_mode & 07777,
        [&](const detail::ContentSink& put) { return copyContent(in.get(), put); }, durable);
    if (copied) {
        // CopyFile keeps the last-write time: a back-up shows when the original was last changed.
        const timespec times[2] = {st.st_atim, st.st_mtim};
        utimensat(AT_FDCWD, destination->c_str(), times, 0);
    }
    return copied;
}

bool deleteFile(std::string_view path, bool durable) {
    const auto host = toHostPath(path);
    struct stat st;
    if (!host || lstat(host->c_str(), &st) != 0) return false;
    // A link to a folder counts as a folder, as a directory link does on Windows.
    if (S_ISDIR(st.st_mode) || (S_ISLNK(st.st_mode) && stat(host->c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
        return false;
    if (unlink(host->c_str()) != 0) return false;
    return !durable || detail::syncParentFolder(*host);
}

bool createDirectory(std::string_view path, bool durable) {
    const auto host = toHostPath(path);
    if (!host || mkdir(host->c_str(), 0777) != 0) return false;
    return !durable || detail::syncParentFolder(*host);
}

} // namespace platform
