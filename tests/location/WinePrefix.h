// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

// A Wine prefix in a temporary home folder, as Wine lays it out: drive C as
// "drive_c", reached through the link "dosdevices/c:", and the machine's
// registry in "system.reg". While it lives, HOME points at the temporary home
// and WINEPREFIX is unset, so the prefix is the default one, "~/.wine".
class WinePrefix {
  public:
    explicit WinePrefix(const testing_support::TempDir& tmp)
        : m_home(tmp.mkdir("home")), m_prefix(m_home + "/.wine"), home_env_("HOME", m_home),
          prefix_env_("WINEPREFIX", std::nullopt) {
        layOut(m_prefix);
    }
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;

    const std::string& path() const { return m_prefix; }
    std::string driveC() const { return m_prefix + "/drive_c"; }

    // Writes system.reg as given (bytes, not lines).
    void writeSystemReg(const std::string& content) const { writeBytes(m_prefix + "/system.reg", content); }

    // A file on drive C; `relative` uses "/".
    std::string writeOnDriveC(const std::string& relative, const std::string& content) const {
        const std::string host = driveC() + "/" + relative;
        writeBytes(host, content);
        return host;
    }

    // Lays out a prefix at `prefix`: drive_c and the link to it.
    static void layOut(const std::string& prefix) {
        std::filesystem::create_directories(prefix + "/drive_c");
        std::filesystem::create_directories(prefix + "/dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", prefix + "/dosdevices/c:");
    }
    static void writeBytes(const std::string& host, const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(host).parent_path());
        std::ofstream out(host, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out) throw std::runtime_error("cannot write " + host);
    }

    // Another prefix at `prefix` with train.exe in `folderOnC` ("/" between
    // names; empty: none) and `systemReg`, last saved `age` seconds ago.
    // Returns the folder's host path.
    static std::string makeOther(const std::string& prefix, const std::string& folderOnC,
                                 const std::string& systemReg, int age = 0) {
        layOut(prefix);
        if (!folderOnC.empty()) writeBytes(prefix + "/drive_c/" + folderOnC + "/train.exe", "MZ");
        writeBytes(prefix + "/system.reg", systemReg);
        std::filesystem::last_write_time(prefix + "/system.reg",
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::seconds(age));
        return prefix + "/drive_c/" + folderOnC;
    }

    // The start of every system.reg Wine writes; the key lines follow.
    static std::string header(const char* arch = "win32") {
        return std::string("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=") + arch +
               "\n";
    }
    // `size` bytes of every value, in no order a text has: a system.reg that is not one.
    static std::string binary(std::size_t size) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>((i * 151 + 7) % 256);
        return bytes;
    }
    // The simulator's key as Wine writes its section line, with its values after it.
    static std::string simulatorKey(const std::string& values, const char* under = "Software") {
        return "\n[" + std::string(under) +
               "\\\\Microsoft\\\\Microsoft Games\\\\Train Simulator\\\\1.0] "
               "1700000000\n#time=1da0b1c2d3e4f50\n" +
               values;
    }

  private:
    std::string m_home;
    std::string m_prefix;
    testing_support::ScopedEnv home_env_;
    testing_support::ScopedEnv prefix_env_;
};
