// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A Windows-style path text taken apart lexically, before anything is looked
// up on disk: "\" and "/" both separate, repeated separators count as one,
// "." is dropped and ".." removes the component before it, never climbing
// above the root, as GetFullPathName does.
struct WindowsPath {
    enum class Base {
        Relative, // "a\b": below the current folder
        Rooted,   // "\a\b": below the root
        Drive,    // "C:\a\b" (or "C:a\b", taken as the drive's root)
    };
    Base base = Base::Relative;
    char drive = 0;                      // lower-case drive letter for Base::Drive
    std::size_t parentSteps = 0;         // leading ".." of a relative path: steps up from the current folder
    std::vector<std::string> components; // what is left after "." and ".." are applied
    bool trailingSeparator = false;      // the text ended in a separator (only with components)

    // Renders the path again with "\" separators; the trailing separator is kept.
    std::string text() const;
};

// Nothing for an empty text. The text ends at a NUL character, as it does for
// the Windows API.
std::optional<WindowsPath> parseWindowsPath(std::string_view text);

// The host path for a parsed path; see toHostPath in Path.h (one per OS).
std::optional<std::string> toHostPath(const WindowsPath& path);

} // namespace platform
