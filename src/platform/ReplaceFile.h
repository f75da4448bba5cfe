// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform::detail {

// Receives a new file's content piece by piece; false when a piece could not be stored.
using ContentSink = std::function<bool(std::string_view piece)>;

enum class IfExists { Replace, Fail };

// Writes a file so that it is either wholly there or not changed at all: the
// content goes to a temporary file in the same folder, which is renamed over
// the target only when everything was written. `fill` writes the content into
// the sink and returns false to abandon the write. Fails, leaving the target as
// it was and no temporary file behind, when the target is a folder, is
// read-only, exists while `ifExists` is Fail, or cannot be written. The new
// file gets `permissions` when given, else those of the file it replaces (the
// default for a new file). A symbolic link as target is written through. When
// durable, the content and its new name are on the disk before this returns,
// so that they survive a power cut.
bool replaceFile(const std::string& hostPath, IfExists ifExists, std::optional<unsigned> permissions,
                 const std::function<bool(const ContentSink&)>& fill, bool durable = false);

// The whole content of the regular file at a host path, read without blocking
// on anything else that has a name; nothing when it cannot be read.
std::optional<std::string> readRegularFile(const std::string& hostPath);

// Puts the entries of the folder that holds a host path on the disk, so that a
// name just created, renamed or removed there survives a power cut.
bool syncParentFolder(const std::string& hostPath);

} // namespace platform::detail
