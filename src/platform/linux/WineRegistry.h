// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading Wine's registry files (system.reg, user.reg): the text format that
// Wine's server saves its registry in. Only reading, and only what a lookup of
// one value needs; nothing here knows about prefixes or root keys.
namespace platform::wine {

// Value types, numbered as Windows numbers them.
enum RegType : std::uint32_t {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegMultiSz = 7,
};

struct RegValue {
    std::string name; // decoded, UTF-8; empty for the default value "@"
    std::uint32_t type = RegNone;
    std::string text; // REG_SZ and REG_EXPAND_SZ only: UTF-8, up to the first NUL

    bool isText() const { return type == RegSz || type == RegExpandSz; }
};

// A key path as components: "\Software\Foo\" gives {"Software", "Foo"}. One
// leading and one trailing backslash are allowed; nothing when a component is
// empty (such a path cannot name a key).
std::optional<std::vector<std::string>> splitKeyPath(std::string_view path);

// Decodes one escaped string as Wine writes it, starting after its opening
// delimiter and ending at the unescaped `endChar`: \\ \" \n \t \a \b \e \f \r \v,
// \x with up to four hex digits (one UTF-16 code unit), octal \ooo, any other
// escaped character as itself. Bytes are read as UTF-8 where they form it, else
// as Latin-1. Returns the UTF-8 text, with `consumed` set to the characters read
// including `endChar`; nothing when `endChar` never comes (a cut-off line).
std::optional<std::string> decodeString(std::string_view in, char endChar, std::size_t& consumed);

// The key name of a section line "[Software\\Foo] 1712345678", decoded; nothing
// for any other line or a malformed one.
std::optional<std::string> parseKeyLine(std::string_view line);

// One value line ("Name"=..., @=...) with its continuation lines already
// joined. Nothing when the line is malformed: Wine skips such a value when it
// loads the file, so to a Windows program it does not exist.
std::optional<RegValue> parseValueLine(std::string_view line);

// Whether two names are equal as the registry compares names: without regard
// to letter case (ASCII letters; other characters must match exactly).
bool sameRegistryName(std::string_view a, std::string_view b);

struct KeyLookup {
    bool keyFound = false;
    std::optional<RegValue> value; // the value asked for, when the key holds it
};

struct FileHeader {
    bool valid = false; // the file opened and starts with "WINE REGISTRY Version 2"
    bool win64 = false; // "#arch=win64": the prefix keeps a separate 32-bit view
};

// A bound on the bytes read from a file: none.
inline constexpr std::uint64_t kWholeFile = UINT64_MAX;

// Reads only the header lines, up to the first key, and no more than `maxBytes`.
FileHeader readHeader(const std::string& hostPath, std::uint64_t maxBytes = kWholeFile);

struct FileLookup {
    bool loaded = false;         // the file opened and carries Wine's header
    std::vector<KeyLookup> keys; // one per key asked for, in the same order
};

// Looks up one value in each of several keys in one pass over a Wine registry
// file. Key names in the file are relative to the file's root, as are the
// components given here. The file is read line by line with bounded lines, and
// the pass ends as soon as every key's section has been read, so a file of any
// size or content gives an answer (at worst "not found") in one linear read.
// Nothing after the first `maxBytes` bytes is read: a key beyond them is not found.
FileLookup lookUpValue(const std::string& hostPath, const std::vector<std::vector<std::string>>& keys,
                       std::string_view valueName, std::uint64_t maxBytes = kWholeFile);

} // namespace platform::wine
