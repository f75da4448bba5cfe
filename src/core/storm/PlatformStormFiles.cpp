// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormFiles.h"

#include "platform/FileSystem.h"

namespace storm {

bool PlatformStormFiles::fileExists(const std::string& path) {
    return platform::exists(path, platform::AnyFile);
}

bool PlatformStormFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists,
                                  bool durable) {
    return platform::copyFile(from, to, failIfExists, durable);
}

bool PlatformStormFiles::deleteFile(const std::string& path, bool durable) {
    return platform::deleteFile(path, durable);
}

bool PlatformStormFiles::createDirectory(const std::string& path, bool durable) {
    return platform::createDirectory(path, durable);
}

bool PlatformStormFiles::sameContents(const std::string& a, const std::string& b) {
    return platform::sameContents(a, b);
}

std::optional<std::string> PlatformStormFiles::readFile(const std::string& path) {
    return platform::readWholeFile(path);
}

bool PlatformStormFiles::writeFileAtomically(const std::string& path, const std::string& text, bool synced) {
    return platform::writeWholeFile(path, text, synced);
}

bool PlatformStormFiles::moveEntry(const std::string& from, const std::string& to) {
    return platform::moveEntry(from, to);
}

std::optional<platform::Refusal> PlatformStormFiles::whyRefused(const std::string& path,
                                                                platform::Access access) {
    return platform::whyRefused(path, access);
}

std::string PlatformStormFiles::lastFailure() {
    return platform::lastErrorText();
}

} // namespace storm
