// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/FileAccess.h"

#include <optional>
#include <string>

namespace storm {

// The file operations a storm needs, on Windows-style paths. Installing and
// restoring go through this so that tests can make any one of them fail.
class StormFiles {
  public:
    virtual ~StormFiles() = default;
    // True when the path names a file (of any attributes; a folder does not count).
    virtual bool fileExists(const std::string& path) = 0;
    // When durable, a change is on the disk (and survives a power cut) before the call returns.
    virtual bool copyFile(const std::string& from, const std::string& to, bool failIfExists,
                          bool durable) = 0;
    virtual bool deleteFile(const std::string& path, bool durable) = 0;
    // One folder level.
    virtual bool createDirectory(const std::string& path, bool durable) = 0;
    // True when both files can be read and hold the same bytes.
    virtual bool sameContents(const std::string& a, const std::string& b) = 0;
    // A whole file; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Replaces the file with the text so that it holds either the old or the new text, even after a
    // crash; when synced, the new text is on the disk (and survives a power cut) before this returns.
    virtual bool writeFileAtomically(const std::string& path, const std::string& text, bool synced) = 0;
    // Moves a file or folder to a name that does not exist yet.
    virtual bool moveEntry(const std::string& from, const std::string& to) = 0;
    // Why reading, replacing or adding to the path would fail, found without changing anything.
    virtual std::optional<platform::Refusal> whyRefused(const std::string& path, platform::Access access) = 0;
    // The system's words for why the last operation that failed did.
    virtual std::string lastFailure() = 0;
};

// The real files, through the platform layer.
class PlatformStormFiles : public StormFiles {
  public:
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
};

} // namespace storm
