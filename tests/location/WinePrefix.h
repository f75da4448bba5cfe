// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/TempDir.h"

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
        std::filesystem::create_directories(m_prefix + "/drive_c");
        std::filesystem::create_directories(m_prefix + "/dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", m_prefix + "/dosdevices/c:");
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
        std::filesystem::create_directories(std::filesystem::path(host).parent_path());
        writeBytes(host, content);
        return host;
    }

    // The start of every system.reg Wine writes; the key lines follow.
    static std::string header(const char* arch = "win32") {
        return std::string("WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=") + arch +
               "\n";
    }
    // The simulator's key as Wine writes its section line, with its values after it.
    static std::string simulatorKey(const std::string& values, const char* under = "Software") {
        return "\n[" + std::string(under) +
               "\\\\Microsoft\\\\Microsoft Games\\\\Train Simulator\\\\1.0] "
               "1700000000\n#time=1da0b1c2d3e4f50\n" +
               values;
    }

  private:
    static void writeBytes(const std::string& host, const std::string& content) {
        std::ofstream out(host, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out) throw std::runtime_error("cannot write " + host);
    }

    std::string m_home;
    std::string m_prefix;
    testing_support::ScopedEnv home_env_;
    testing_support::ScopedEnv prefix_env_;
};
