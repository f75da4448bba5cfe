// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"

#include "platform/Path.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>

namespace platform {
namespace {

// Windows compares file names upper-cased (NTFS keeps an upcase table), which
// also fixes where "_" and the other characters between "Z" and "a" sort.
unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

// Length of the character that starts name[i]: a whole UTF-8 sequence when one
// starts there, else a single byte.
std::size_t characterLength(std::string_view name, std::size_t i) {
    const auto lead = static_cast<unsigned char>(name[i]);
    std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (i + length > name.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(name[i + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// Classic wildcard matching with one back-track point for the last "*": linear
// in practice and never exponential, whatever the pattern.
bool matchFrom(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += characterLength(name, n);
        } else if (p < pattern.size() && upper(static_cast<unsigned char>(pattern[p])) ==
                                             upper(static_cast<unsigned char>(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            starN += characterLength(name, starN);
            n = starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool hasWildcards(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    if (matchFrom(pattern, name)) return true;
    // "name.*" also finds "name": the ".*" may match nothing at the end.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*")
        return matchFrom(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

bool sameFileName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upper(static_cast<unsigned char>(x)) == upper(static_cast<unsigned char>(y));
           });
}

bool fileNameLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = upper(static_cast<unsigned char>(a[i]));
        const unsigned char y = upper(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    // Names equal without regard to case: byte order gives a stable, total order.
    return a < b;
}

bool isSingleEntryName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\' || c == '/' || c == ':';
    });
}

bool isTemporaryFileName(std::string_view name) {
    constexpr std::string_view prefix = ".brontara-", suffix = ".tmp";
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) return false;
    const std::string_view numbers = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const auto dash = numbers.find('-');
    const auto digits = [](std::string_view text) {
        return !text.empty() &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dash != std::string_view::npos && digits(numbers.substr(0, dash)) &&
           digits(numbers.substr(dash + 1));
}

bool isReservedDeviceName(std::string_view name) {
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
        base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

bool isWindowsEntryName(std::string_view name) {
    return isSingleEntryName(name) && name.find_first_of("\"<>?*|") == std::string_view::npos &&
           name.back() != ' ' && name.back() != '.' && !isReservedDeviceName(name);
}

} // namespace platform
