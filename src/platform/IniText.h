// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The private-profile rules on an INI file's bytes, without any file access:
// Ini.cpp reads the file, asks here, and writes the result back.
namespace platform::ini::detail {

// How a file's bytes are read and how they are written back.
enum class Encoding {
    Utf8,        // valid UTF-8 (also a new or empty file)
    Utf8Bom,     // valid UTF-8 after a UTF-8 byte-order mark, which is skipped and kept
    Windows1252, // anything that is not valid UTF-8
    Utf16le,     // a UTF-16LE byte-order mark: the file is UTF-16, as Windows reads it
};

Encoding detectEncoding(std::string_view bytes);

// The value stored under section and key, as UTF-8, trimmed of blanks and
// without one pair of enclosing quotes, cut as a 1024-byte buffer cuts it;
// nothing when the file has no such key in the first section of that name.
std::optional<std::string> findValue(std::string_view bytes, std::string_view section, std::string_view key);

// The file's new bytes after storing value under section and key, in the
// file's encoding. Nothing when the names or the value cannot be stored so
// that they read back (a line break, a "]" in a section name, a "=" in a key,
// text that is not UTF-8).
std::optional<std::string> withValue(std::string_view bytes, std::string_view section, std::string_view key,
                                     std::string_view value);

// A value cut to 1023 bytes of the file's 8-bit text (UTF-8 for UTF-8 and
// UTF-16 files, Windows-1252 for the rest), never inside a character.
std::string cutToBuffer(std::string value, Encoding encoding);

// The value as an integer by the private-profile rule: a text longer than two
// characters that begins with "0x" or "0X" is hexadecimal; otherwise an
// optional sign and decimal digits, or "$" and hexadecimal digits. Nothing for
// any other text or a number beyond 32 bits.
std::optional<std::int32_t> profileInteger(std::string_view text);

} // namespace platform::ini::detail
