// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/ReplaceFile.h"
#include "platform/win/WideText.h"

#include <algorithm>
#include <atomic>
#include <windows.h>

// The file operations on Windows, through the wide-character functions: the
// paths are UTF-8 here and UTF-16 for the system. Copies and replaced files are first written
// under a temporary name in the destination folder and then moved into place,
// so that a crash never leaves a half-written file. replaceFile (ReplaceFile.h)
// lives here because it shares that staging with copyFile.
namespace platform {
namespace {

using win::narrow;
using win::wide;

constexpr unsigned kExcludable = Hidden | SysFile | VolumeId | Directory;
// The attributes the program knows; normal, reparse point, compressed and the
// like mean nothing to it and never come from the Linux backend either.
constexpr unsigned kKnownAttributes = ReadOnly | Hidden | SysFile | VolumeId | Directory | Archive;

bool isDotEntry(std::string_view name) {
    return name == "." || name == "..";
}

// "." and ".." come first, as Windows lists them, the rest in NTFS order
// whatever the file system is (FAT lists in creation order).
bool listingOrder(const FindEntry& a, const FindEntry& b) {
    const bool aDot = isDotEntry(a.name), bDot = isDotEntry(b.name);
    if (aDot != bDot) return aDot;
    return fileNameLess(a.name, b.name);
}

// The attributes of an entry; nothing when it is not there.
std::optional<DWORD> attributesOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool endsInSeparator(const std::string& path) {
    return path.empty() || path.back() == '\\' || path.back() == '/';
}

// The folder part of a path, with its separator ("" for a bare name, "C:" for "C:name").
std::string folderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator != std::string::npos) return path.substr(0, separator + 1);
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return {};
}

// Candidate temporary names beside the target. The name is short, so that a
// target near the length limit still gets one.
std::string temporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return folder + ".brontara-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) +
           ".tmp";
}

// Makes a staged file and returns its name. `create` makes the file under the
// name it is given and fails with ERROR_FILE_EXISTS or ERROR_ALREADY_EXISTS
// when the name is taken, so that another name is tried.
template <typename Create> std::optional<std::string> stage(const std::string& target, Create create) {
    const std::string folder = folderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(folder);
        if (create(name)) return name;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return std::nullopt;
    }
    return std::nullopt;
}

// A staged file that is not moved into place is removed again, even when it
// took over a read-only attribute from its source.
// The error that made the file go is kept for the caller to report.
void discard(const std::string& staged) {
    const DWORD error = GetLastError();
    const std::wstring name = wide(staged);
    SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(name.c_str());
    SetLastError(error);
}

// Without `replace` the move itself refuses an existing target, so a file that
// appeared meanwhile is never overwritten.
bool moveIntoPlace(const std::string& staged, const std::string& target, bool replace) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExW(wide(staged).c_str(), wide(target).c_str(), flags)) return true;
    discard(staged);
    return false;
}

bool writeAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0) return false;
        data.remove_prefix(written);
    }
    return true;
}

// A name that opens a device or a pipe rather than a file: the device
// namespace ("\\.\", "\\?\" before anything but a drive or a share) or a
// device name that Windows finds in every folder.
bool namesDevice(const std::string& hostPath) {
    if (hostPath.starts_with(R"(\\.\)") || hostPath.starts_with("//./")) return true;
    if (hostPath.starts_with(R"(\\?\)")) {
        const std::string rest = hostPath.substr(4);
        const bool drive = rest.size() >= 2 && rest[1] == ':';
        if (!drive && !rest.starts_with(R"(UNC\)")) return true;
    }
    const auto separator = hostPath.find_last_of("\\/");
    return isReservedDeviceName(separator == std::string::npos ? hostPath : hostPath.substr(separator + 1));
}

// Opens a regular file for reading; a device, a pipe or a folder is refused,
// before it is opened where the name shows it and on the handle in any case.
HANDLE openRegularFile(const std::string& hostPath) {
    // No error code of its own: the type alone refuses it.
    const auto refused = [] {
        SetLastError(ERROR_SUCCESS);
        return INVALID_HANDLE_VALUE;
    };
    if (namesDevice(hostPath)) return refused();
    HANDLE file = CreateFileW(wide(hostPath).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) {
        CloseHandle(file);
        return refused();
    }
    return file;
}

} // namespace

std::vector<FindEntry> findFiles(std::string_view windowsPattern, unsigned attributeFilter) {
    const auto pattern = toHostPath(windowsPattern);
    if (!pattern) return {};
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(wide(*pattern).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return {};
    // The rule of Delphi's FindFirst: an entry is skipped when it carries one
    // of the excludable attributes that the filter does not name.
    const unsigned excluded = ~attributeFilter & kExcludable;
    std::vector<FindEntry> entries;
    do {
        const unsigned attributes = data.dwFileAttributes & kKnownAttributes;
        if ((attributes & excluded) == 0) entries.push_back({narrow(data.cFileName), attributes});
    } while (FindNextFileW(search, &data));
    FindClose(search);
    std::sort(entries.begin(), entries.end(), listingOrder);
    return entries;
}

namespace {

// Puts a staged file's data on the disk; its name follows with the write-through
// move. Flushing needs write access, which a read-only attribute taken over
// from the source refuses for the moment of the flush.
bool flushToDisk(const std::string& staged) {
    const auto attributes = attributesOf(staged);
    if (!attributes) return false;
    const bool readOnly = (*attributes & FILE_ATTRIBUTE_READONLY) != 0;
    const std::wstring name = wide(staged);
    if (readOnly && !SetFileAttributesW(name.c_str(), *attributes & ~FILE_ATTRIBUTE_READONLY)) return false;
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    bool flushed = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file) != 0;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (readOnly) flushed = SetFileAttributesW(name.c_str(), *attributes) != 0 && flushed;
    return flushed;
}

} // namespace

bool copyFile(std::string_view from, std::string_view to, bool failIfExists, bool durable) {
    const auto source = toHostPath(from);
    const auto destination = toHostPath(to);
    if (!source || !destination || endsInSeparator(*destination)) return false;
    // What CopyFile refuses: any existing file when asked to, a folder, and a
    // read-only or hidden file even when asked to replace it.
    if (const auto existing = attributesOf(*destination)) {
        if (failIfExists ||
            (*existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN))) {
            // The reason CopyFile itself would give.
            SetLastError(failIfExists ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED);
            return false;
        }
    }
    // CopyFile gives the staged file the source's data, attributes and times.
    // A source that another program holds open without sharing cannot be
    // read, and the copy fails like any other.
    // Only a regular file is copied: a pipe or a device would make CopyFile wait or act.
    HANDLE regular = openRegularFile(*source);
    if (regular == INVALID_HANDLE_VALUE) return false;
    CloseHandle(regular);
    const std::wstring wideSource = wide(*source);
    const auto staged = stage(*destination, [&](const std::string& name) {
        return CopyFileW(wideSource.c_str(), wide(name).c_str(), TRUE) != 0;
    });
    if (!staged) return false;
    if (durable && !flushToDisk(*staged)) {
        discard(*staged);
        return false;
    }
    return moveIntoPlace(*staged, *destination, !failIfExists);
}

// NTFS logs changes to folder entries itself; there is no call to flush one
// folder, so `durable` asks nothing more of a delete or a new folder here.
bool deleteFile(std::string_view path, bool /*durable*/) {
    const auto host = toHostPath(path);
    return host && DeleteFileW(wide(*host).c_str()) != 0;
}

bool createDirectory(std::string_view path, bool /*durable*/) {
    const auto host = toHostPath(path);
    return host && CreateDirectoryW(wide(*host).c_str(), nullptr) != 0;
}

namespace detail {

std::optional<std::string> readRegularFile(const std::string& hostPath) {
    HANDLE file = openRegularFile(hostPath);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return content;
}

// Unix permissions mean nothing here; the new file takes over the hidden,
// system and archive attributes of the file it replaces instead. A target that
// is a symbolic link is replaced, not written through.
bool replaceFile(const std::string& hostPath, IfExists ifExists, std::optional<unsigned> /*permissions*/,
                 const std::function<bool(const ContentSink&)>& fill, bool durable) {
    if (endsInSeparator(hostPath)) return false;
    const auto existing = attributesOf(hostPath);
    if (!existing && GetLastError() != ERROR_FILE_NOT_FOUND)
        return false; // a missing folder, an invalid name, no access
    if (existing &&
        (ifExists == IfExists::Fail || (*existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))))
        return false;

    HANDLE file = INVALID_HANDLE_VALUE;
    const auto staged = stage(hostPath, [&](const std::string& name) {
        file = CreateFileW(wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        return file != INVALID_HANDLE_VALUE;
    });
    if (!staged) return false;
    bool ok = fill([file](std::string_view piece) { return writeAll(file, piece); });
    if (ok && durable) ok = FlushFileBuffers(file) != 0;
    ok = CloseHandle(file) && ok; // a full disk may show only here
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    if (ok && existing && (*existing & kept))
        ok = SetFileAttributesW(wide(*staged).c_str(), *existing & kept) != 0;
    if (!ok) {
        discard(*staged);
        return false;
    }
    return moveIntoPlace(*staged, hostPath, ifExists == IfExists::Replace);
}

} // namespace detail
} // namespace platform
