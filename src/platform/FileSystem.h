// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// File attributes as the Windows directory search reports them.
enum Attribute : unsigned {
    ReadOnly = 0x01,
    Hidden = 0x02,
    SysFile = 0x04,
    VolumeId = 0x08,
    Directory = 0x10,
    Archive = 0x20,
};

// The two attribute filters the program searches with.
inline constexpr unsigned FoldersAndFiles =
    16;                                 // folders and normal files; no hidden, system or volume entries
inline constexpr unsigned AnyFile = 47; // every file, hidden and system ones too; no folders

struct FindEntry {
    std::string name; // as the file system spells it
    unsigned attributes = 0;
    bool isDirectory() const { return (attributes & Directory) != 0; }
};

// Searches a folder the way FindFirstFile/FindNextFile do: the last component of
// the pattern may hold "*" and "?" (matched without regard to case; "*.*"
// matches every name); an entry is returned unless it carries one of hidden,
// system, volume-label or directory that the filter does not admit. Entries
// come sorted by name without regard to case, as NTFS returns them. A folder
// that is missing or unreadable gives an empty list. On Linux a name that
// begins with a dot is hidden ("." and ".." excepted, which come first, as
// Windows lists them in every folder but a root); an entry that is neither a
// file nor a folder is a system entry; a file without write permission for us
// is read-only. Links are followed; a broken link or a loop is left out. A
// pattern without wildcards finds at most one entry, the one a path with that
// name opens.
std::vector<FindEntry> findFiles(std::string_view windowsPattern, unsigned attributeFilter);

// True when the search for exactly this path finds an entry under the filter.
bool exists(std::string_view windowsPath, unsigned attributeFilter);

// Copies a file. With failIfExists an existing destination is left alone and
// the copy fails. The data goes to a temporary name in the destination folder
// first and is renamed into place, so a crash never leaves a half-written file.
// When durable, the copy's data and its name are on the disk before this
// returns, so that they survive a power cut.
bool copyFile(std::string_view from, std::string_view to, bool failIfExists, bool durable = false);

// Deletes one file (not a folder). Whether a read-only file may go is up to
// its folder's permissions, as usual on Linux. When durable, the removal is on
// the disk before this returns.
bool deleteFile(std::string_view path, bool durable = false);

// Creates one folder level; fails when it exists already or its parent is
// missing. When durable, the new folder's name is on the disk before this returns.
bool createDirectory(std::string_view path, bool durable = false);

// Where a path leads on this machine: absolute, with "." and "..", links and
// letter case resolved as far as the path exists. Nothing when the text cannot
// name a host path.
std::optional<std::string> resolvedPath(std::string_view windowsPath);

// True when what a change to the path reaches lies strictly inside the folder
// (a result of resolvedPath). A write reaches the file behind a link
// (throughLink); a delete removes the entry itself, so only the folder that
// holds it counts.
bool liesInside(std::string_view windowsPath, const std::string& resolvedFolder, bool throughLink);

// True when the path names a folder (of any attributes).
bool folderExists(std::string_view windowsPath);

// The whole content of a regular file; nothing when it is missing, not a
// regular file, or cannot be read. Every copy, read and comparison here opens
// only regular files, checked again on the open handle: a named pipe, a device
// or a socket, whose opening could block or act, is never opened.
std::optional<std::string> readWholeFile(std::string_view path);

// Writes a file whole or not at all, through a temporary name in its folder.
// When durable, the new content is on the disk before this returns.
bool writeWholeFile(std::string_view path, std::string_view content, bool durable);

// True when both paths name files that can be read and hold the same bytes.
bool sameContents(std::string_view a, std::string_view b);

// When a file was last written, in a count that orders the files of one
// machine; nothing when it is missing.
std::optional<long long> lastWriteTime(std::string_view path);

// Gives a file or folder a new name that does not exist yet.
bool moveEntry(std::string_view from, std::string_view to);

} // namespace platform
