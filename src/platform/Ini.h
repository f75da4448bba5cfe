// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// Private-profile access to one INI file. Every call opens the file, does one
// thing and closes it again; nothing is cached. Section and key names match
// without regard to case, values come back trimmed and without one pair of
// enclosing quotes, cut to 1023 characters. A missing file, section or key
// gives the default. Text is returned as UTF-8: a file is read as UTF-8 when
// it is valid UTF-8 (a UTF-8 byte-order mark is skipped), as UTF-16 when it
// starts with a UTF-16LE byte-order mark, as Windows does, else as
// Windows-1252. The cut is at 1023 bytes of the file's 8-bit text: 1023
// characters of a Windows-1252 file, 1023 bytes of UTF-8 otherwise, never
// inside a character.
std::string readString(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view defaultValue);

// Creates file, section and key as needed and replaces an existing value in
// place, keeping every other line byte for byte. The file keeps the encoding
// it was read in (UTF-8 when new; a Windows-1252 file that cannot hold the
// value is rewritten as UTF-8 rather than lose characters). The file is
// replaced through a temporary file, so it is never left half-written.
// Throws AppError "Unable to write to <file>" when refused: no folder, a
// read-only file, a full disk, or names or a value holding a line break or
// other text that would not read back.
void writeString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value);

// The text to write so that a read gives back exactly this value: the value
// itself, or the value in quotes, which keep its outer blanks; nothing when
// no text can (a value longer than the read's 1023 characters, a line break).
std::optional<std::string> storedForm(std::string_view value);

// Reads the value as an integer ("0x"/"0X" with more than two characters and
// a leading "$" mark hexadecimal); not a number gives the default; true when
// not zero.
bool readBool(std::string_view file, std::string_view section, std::string_view key, bool defaultValue);

// Writes "1" or "0".
void writeBool(std::string_view file, std::string_view section, std::string_view key, bool value);

} // namespace platform::ini
