// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerCutFiles.h"

#include "platform/Path.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace storm_test {
namespace {

std::string hostOf(const std::string& windowsPath) {
    return fs::weakly_canonical(platform::toHostPath(windowsPath).value_or(windowsPath)).string();
}

std::optional<std::string> bytesOf(const std::string& hostPath) {
    std::error_code ec;
    if (!fs::is_regular_file(hostPath, ec)) return std::nullopt;
    return testing_support::readFile(hostPath);
}

void putBytes(const std::string& hostPath, const std::optional<std::string>& bytes) {
    std::error_code ec;
    fs::remove(hostPath, ec);
    if (!bytes || !fs::is_directory(fs::path(hostPath).parent_path(), ec)) return;
    std::ofstream(hostPath, std::ios::binary) << *bytes;
}

} // namespace

template <typename Make>
bool PowerCutFiles::change(const std::string& path, bool durable, bool folder, Make make) {
    Change c;
    c.hostPath = hostOf(path);
    c.before = bytesOf(c.hostPath);
    c.createdFolder = folder;
    // A change that failed changed nothing: each one is all or nothing.
    const bool made = make();
    if (made) {
        if (durable)
            for (Change& earlier : m_log)
                if (earlier.hostPath == c.hostPath) earlier.onDisk = true;
        c.onDisk = durable;
        m_log.push_back(std::move(c));
    }
    if (++changes == cutAfter) throw PowerCut{};
    return made;
}

void PowerCutFiles::loseUnflushed() {
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it) {
        if (it->onDisk) continue;
        std::error_code ec;
        if (it->createdFolder)
            fs::remove_all(it->hostPath, ec);
        else if (!it->movedFrom.empty())
            fs::rename(it->hostPath, it->movedFrom, ec);
        else
            putBytes(it->hostPath, it->before);
    }
    m_log.clear();
}

void PowerCutFiles::settle() {
    m_log.clear();
}

bool PowerCutFiles::fileExists(const std::string& path) {
    return m_real.fileExists(path);
}

bool PowerCutFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists,
                             bool durable) {
    return change(to, durable, false, [&] { return m_real.copyFile(from, to, failIfExists, durable); });
}

bool PowerCutFiles::deleteFile(const std::string& path, bool durable) {
    return change(path, durable, false, [&] { return m_real.deleteFile(path, durable); });
}

bool PowerCutFiles::createDirectory(const std::string& path, bool durable) {
    return change(path, durable, true, [&] { return m_real.createDirectory(path, durable); });
}

bool PowerCutFiles::sameContents(const std::string& a, const std::string& b) {
    return m_real.sameContents(a, b);
}

std::optional<std::string> PowerCutFiles::readFile(const std::string& path) {
    return m_real.readFile(path);
}

bool PowerCutFiles::writeFileAtomically(const std::string& path, const std::string& text, bool synced) {
    return change(path, synced, false, [&] { return m_real.writeFileAtomically(path, text, synced); });
}

bool PowerCutFiles::moveEntry(const std::string& from, const std::string& to) {
    const std::string source = hostOf(from);
    const bool moved = m_real.moveEntry(from, to);
    if (moved) m_log.push_back({hostOf(to), std::nullopt, false, source, false});
    if (++changes == cutAfter) throw PowerCut{};
    return moved;
}

} // namespace storm_test
