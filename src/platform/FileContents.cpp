// SPDX-License-Identifier: GPL-3.0-or-later
// What is the same on every system: whether a search finds a path, where a
// path really leads, and reading, writing, comparing and renaming whole files
// (the paths are mapped here, the atomic write is the backend's).
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/ReplaceFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace platform {
namespace {

// A path as the program's text: UTF-8 on Windows, the file system's bytes on Linux.
std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The named parts of a path; an empty part (after a trailing separator) does not count.
std::vector<fs::path> componentsOf(const fs::path& path) {
    std::vector<fs::path> parts;
    for (const fs::path& part : path)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

} // namespace

bool exists(std::string_view windowsPath, unsigned attributeFilter) {
    return !findFiles(windowsPath, attributeFilter).empty();
}

std::optional<std::string> resolvedPath(std::string_view windowsPath) {
    const auto host = toHostPath(windowsPath);
    if (!host) return std::nullopt;
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(fileSystemPath(*host), ec), ec);
    if (ec) return std::nullopt;
    return utf8Of(resolved);
}

bool liesInside(std::string_view windowsPath, const std::string& resolvedFolder, bool throughLink) {
    const auto host = toHostPath(windowsPath);
    if (!host) return false;
    std::error_code ec;
    const fs::path path = fs::absolute(fileSystemPath(*host), ec);
    if (ec || !path.has_filename()) return false;
    const fs::path reached = throughLink ? fs::weakly_canonical(path, ec)
                                         : fs::weakly_canonical(path.parent_path(), ec) / path.filename();
    if (ec) return false;
    // Component by component, so that "C:\MSTS2" does not count as inside "C:\MSTS".
    const auto folder = componentsOf(fileSystemPath(resolvedFolder));
    const auto inside = componentsOf(reached);
    if (inside.size() <= folder.size()) return false;
    return std::equal(folder.begin(), folder.end(), inside.begin(), [](const fs::path& a, const fs::path& b) {
#ifdef _WIN32
        return sameFileName(utf8Of(a), utf8Of(b));
#else
        return a == b;
#endif
    });
}

bool folderExists(std::string_view windowsPath) {
    const auto host = toHostPath(windowsPath);
    std::error_code ec;
    return host && fs::is_directory(fileSystemPath(*host), ec);
}

std::optional<std::string> readWholeFile(std::string_view path) {
    const auto host = toHostPath(path);
    if (!host) return std::nullopt;
    return detail::readRegularFile(*host);
}

bool writeWholeFile(std::string_view path, std::string_view content, bool durable) {
    const auto host = toHostPath(path);
    if (!host) return false;
    return detail::replaceFile(
        *host, detail::IfExists::Replace, std::nullopt,
        [content](const detail::ContentSink& sink) { return sink(content); }, durable);
}

bool sameContents(std::string_view a, std::string_view b) {
    const auto contentA = readWholeFile(a);
    return contentA && contentA == readWholeFile(b);
}

std::optional<long long> lastWriteTime(std::string_view path) {
    const auto host = toHostPath(path);
    std::error_code ec;
    if (!host) return std::nullopt;
    const auto written = fs::last_write_time(fileSystemPath(*host), ec);
    if (ec) return std::nullopt;
    return static_cast<long long>(written.time_since_epoch().count());
}

bool moveEntry(std::string_view from, std::string_view to) {
    const auto hostFrom = toHostPath(from);
    const auto hostTo = toHostPath(to);
    std::error_code ec;
    if (!hostFrom || !hostTo) return false;
    const fs::path source = fileSystemPath(*hostFrom), target = fileSystemPath(*hostTo);
    if (!fs::exists(source, ec) || fs::exists(target, ec)) return false;
    fs::rename(source, target, ec);
    return !ec;
}

} // namespace platform
