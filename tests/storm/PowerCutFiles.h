// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"

#include <optional>
#include <string>
#include <vector>

namespace storm_test {

// The real files, with a power cut that can strike after any change: every
// change that was not asked to be durable is then undone, newest first, as a
// disk cache that never reached the disk would lose it. A durable change keeps
// itself and every earlier change to the same path; a file inside a folder
// whose creation is lost is lost with it.
class PowerCutFiles : public storm::StormFiles {
  public:
    // Thrown from the change after which the power fails.
    struct PowerCut {};

    // The power fails right after this many attempted changes; none: never.
    std::optional<std::size_t> cutAfter;
    std::size_t changes = 0; // attempted so far, failed ones included

    // Undoes every change that is not on the disk; then the files are as a fresh start finds them.
    void loseUnflushed();
    // Time passes: the system writes out whatever it holds, and every change so far is on the disk.
    void settle();

    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists, bool durable) override;
    bool deleteFile(const std::string& path, bool durable) override;
    bool createDirectory(const std::string& path, bool durable) override;
    bool sameContents(const std::string& a, const std::string& b) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFileAtomically(const std::string& path, const std::string& text, bool synced) override;
    bool moveEntry(const std::string& from, const std::string& to) override;
    std::optional<platform::Refusal> whyRefused(const std::string& path, platform::Access access) override {
        return m_real.whyRefused(path, access);
    }
    std::string lastFailure() override { return m_real.lastFailure(); }

  private:
    struct Change {
        std::string hostPath;
        std::optional<std::string> before; // the file's bytes before the change; none: no file
        bool createdFolder = false;
        std::string movedFrom; // for a move: where the entry came from
        bool onDisk = false;
    };
    // Records the state of a path before a change, makes the change, and lets the power fail after it.
    template <typename Make> bool change(const std::string& path, bool durable, bool folder, Make make);
    storm::PlatformStormFiles m_real;
    std::vector<Change> m_log;
};

} // namespace storm_test
