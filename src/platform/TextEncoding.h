// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::text {

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view bytes);

// Windows-1252 to UTF-8. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, as Windows converts them, so that every byte survives a round trip.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; nothing when a character has no byte there or the
// text is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// UTF-16 little-endian (without byte-order mark) to UTF-8. An unpaired
// surrogate or an odd last byte becomes U+FFFD.
std::string utf16leToUtf8(std::string_view bytes);

// Valid UTF-8 to UTF-16 little-endian, without byte-order mark.
std::string utf8ToUtf16le(std::string_view utf8);

// The length of the longest start of a UTF-8 text that has at most maxBytes
// bytes and does not end inside a character.
std::size_t utf8PrefixLength(std::string_view utf8, std::size_t maxBytes);

} // namespace platform::text
