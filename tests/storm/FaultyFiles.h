// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"

#include <functional>
#include <string>
#include <vector>

namespace storm_test {

// The real files, with every operation recorded and any of them made to fail
// as a full disk, a read-only folder or a missing file would.
class FaultyFiles : public storm::StormFiles {
  public:
    enum class Op {
        FileExists,
        Copy,
        Delete,
        CreateDirectory,
        SameContents,
        Read,
        WriteAtomically,
        Move,
        Check
    };
    struct Call {
        Op op;
        std::string from; // the path, or the source
        std::string to;   // the destination, where there is one
        bool failIfExists = false;
        bool durable = false; // a change that must reach the disk before the call returns
    };

    // Decides for each call whether it fails (without touching the disk).
    std::function<bool(const Call&)> fails;
    // What a failed check answers (Call::to names the access: "Read", "Replace" or "AddFile"), and the
    // system's words for a failed operation.
    platform::Refusal refusal{"Access is denied.", true, false};
    std::string failureText = "No space left on device";
    std::vector<Call> calls;

    std::size_t count(Op op) const;

    bool fileExists(const std::string& path) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists, bool durable) override;
    bool deleteFile(const std::string& path, bool durable) override;
    bool createDirectory(const std::string& path, bool durable) override;
    bool sameContents(const std::string& a, const std::string& b) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFileAtomically(const std::string& path, const std::string& text, bool synced) override;
    bool moveEntry(const std::string& from, const std::string& to) override;
    std::optional<platform::Refusal> whyRefused(const std::string& path, platform::Access access) override;
    std::string lastFailure() override;

  private:
    bool failed(Call call);
    bool m_lastFailedByScript = false;
    storm::PlatformStormFiles m_real;
};

// True when a Windows-style path text, compared without regard to case and
// with "/" read as "\", ends in the given tail.
bool pathEndsWith(const std::string& path, const std::string& tail);

} // namespace storm_test
