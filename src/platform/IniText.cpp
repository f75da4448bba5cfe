// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include "platform/TextEncoding.h"

#include <vector>

namespace platform::ini::detail {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";
constexpr std::size_t kBufferSize = 1024; // the read buffer, terminating NUL included

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The names a caller passes are trimmed of spaces only, as Windows does.
std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (asciiUpper(a[k]) != asciiUpper(b[k])) return false;
    }
    return true;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

std::size_t bomLength(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8Bom:
        return kUtf8Bom.size();
    case Encoding::Utf16le:
        return kUtf16Bom.size();
    default:
        return 0;
    }
}

// One line of the file's body: its text and its line ending, in file bytes.
struct Line {
    std::string_view content;
    std::string_view ending; // CRLF, LF, CR, or empty for a last line without one
};

// Walks a file's body line by line. Lines end in CRLF, LF or CR alone;
// UTF-16 files are split on 16-bit units.
class LineCursor {
  public:
    LineCursor(std::string_view body, Encoding encoding)
        : m_body(body), m_unit(encoding == Encoding::Utf16le ? 2 : 1) {}

    bool next(Line& line) {
        if (m_start >= m_body.size()) return false;
        const std::size_t end = findBreak(m_start);
        if (end == std::string_view::npos) { // the last line, without an ending (and a stray odd byte)
            line = {m_body.substr(m_start), {}};
            m_start = m_body.size();
            return true;
        }
        std::size_t after = end + m_unit;
        if (at(end) == '\r' && after + m_unit <= m_body.size() && at(after) == '\n') after += m_unit;
        line = {m_body.substr(m_start, end - m_start), m_body.substr(end, after - end)};
        m_start = after;
        return true;
    }

  private:
    // The ASCII character of the unit at k; '\x01' for any other UTF-16 unit.
    char at(std::size_t k) const {
        return m_unit == 1 ? m_body[k] : (m_body[k + 1] == '\0' ? m_body[k] : '\x01');
    }

    std::size_t findBreak(std::size_t from) const {
        if (m_unit == 1) { // the common case, kept to a plain loop: files can be large
            const char* const begin = m_body.data();
            const char* const end = begin + m_body.size();
            for (const char* p = begin + from; p != end; ++p) {
                if (*p == '\r' || *p == '\n') return static_cast<std::size_t>(p - begin);
            }
            return std::string_view::npos;
        }
        for (std::size_t k = from; k + m_unit <= m_body.size(); k += m_unit) {
            if (at(k) == '\r' || at(k) == '\n') return k;
        }
        return std::string_view::npos;
    }

    std::string_view m_body;
    std::size_t m_unit;
    std::size_t m_start = 0;
};

// A line's text as UTF-8; scratch holds it when it had to be converted.
std::string_view decode(std::string_view content, Encoding encoding, std::string& scratch) {
    switch (encoding) {
    case Encoding::Windows1252:
        return scratch = text::cp1252ToUtf8(content);
    case Encoding::Utf16le:
        return scratch = text::utf16leToUtf8(content);
    default:
        return content;
    }
}

std::optional<std::string> encode(std::string_view utf8, Encoding encoding) {
    switch (encoding) {
    case Encoding::Windows1252:
        return text::utf8ToCp1252(utf8);
    case Encoding::Utf16le:
        return text::utf8ToUtf16le(utf8);
    default:
        return std::string(utf8);
    }
}

struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::string_view value;
};

Parsed parse(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        const std::string_view inside = line.substr(1);
        return {Parsed::Section, trimBlanks(inside.substr(0, inside.find(']'))), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return {}; // not a key: a lookup of it gives the default
    return {Parsed::Key, trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

// Where a section and a key stand among a file's lines.
struct Position {
    std::optional<std::size_t> section; // the first section of that name
    std::optional<std::size_t> key;     // the first key of that name in it
    std::optional<std::size_t> lastKey; // the last key line of that section
    std::string keySpelling;            // the key's name as the file spells it
    std::string value;                  // the key's value, trimmed, quotes and all
};

// Reads lines until the position is known. With `lines`, every line is kept
// there and the whole section is walked (a write needs its last key);
// without, the walk stops at the key (a read needs nothing more).
Position locate(std::string_view body, Encoding encoding, std::string_view section, std::string_view key,
                std::vector<Line>* lines) {
    Position at;
    LineCursor cursor(body, encoding);
    Line line;
    std::string scratch;
    bool searching = true;
    for (std::size_t k = 0; cursor.next(line); ++k) {
        if (lines) lines->push_back(line);
        if (!searching) continue;
        const Parsed p = parse(decode(line.content, encoding, scratch));
        if (p.kind == Parsed::Section) {
            if (at.section) {
                searching = false; // only the first section of a name is searched
            } else if (sameName(p.name, section)) {
                at.section = k;
            }
        } else if (p.kind == Parsed::Key && at.section) {
            at.lastKey = k;
            if (!at.key && sameName(p.name, key)) {
                at.key = k;
                at.keySpelling = std::string(p.name);
                at.value = std::string(p.value);
                searching = lines != nullptr;
            }
        }
        if (!searching && !lines) break;
    }
    return at;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// The Windows API sees its texts up to the first NUL.
std::string_view cText(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

bool storable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view keyText = trimBlanks(key);
    // Blanks around a name are trimmed on reading, so a name that keeps a tab there would not be found again.
    return trimBlanks(section).size() == section.size() && keyText.size() == key.size() &&
           text::isValidUtf8(section) && text::isValidUtf8(key) && text::isValidUtf8(value) &&
           !hasLineBreak(section) && !hasLineBreak(key) && !hasLineBreak(value) &&
           section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           (keyText.empty() || (keyText.front() != '[' && keyText.front() != ';'));
}

} // namespace

Encoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf16Bom)) return Encoding::Utf16le;
    if (bytes.starts_with(kUtf8Bom) && text::isValidUtf8(bytes.substr(kUtf8Bom.size())))
        return Encoding::Utf8Bom;
    return text::isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

std::string cutToBuffer(std::string value, Encoding encoding) {
    const std::size_t limit = kBufferSize - 1;
    if (encoding != Encoding::Windows1252) {
        value.resize(text::utf8PrefixLength(value, limit));
        return value;
    }
    // One byte in the file per character: count characters, not UTF-8 bytes.
    std::size_t characters = 0, k = 0;
    while (k < value.size() && characters < limit) {
        ++k;
        while (k < value.size() && (static_cast<unsigned char>(value[k]) & 0xC0) == 0x80)
            ++k;
        ++characters;
    }
    value.resize(k);
    return value;
}

std::optional<std::string> findValue(std::string_view bytes, std::string_view section, std::string_view key) {
    const Encoding encoding = detectEncoding(bytes);
    section = trimSpaces(cText(section));
    key = trimSpaces(cText(key));
    const Position at = locate(bytes.substr(bomLength(encoding)), encoding, section, key, nullptr);
    if (!at.key) return std::nullopt;
    return cutToBuffer(std::string(unquote(at.value)), encoding);
}

std::optional<std::string> withValue(std::string_view bytes, std::string_view section, std::string_view key,
                                     std::string_view value) {
    section = trimSpaces(cText(section));
    key = trimSpaces(cText(key));
    value = cText(value);
    if (!storable(section, key, value)) return std::nullopt;

    const Encoding encoding = detectEncoding(bytes);
    std::string_view body = bytes.substr(bomLength(encoding));
    // A stray odd byte at the end of a UTF-16 file is no character: it stays
    // the file's last byte, so that what is written keeps its 16-bit units
    // aligned and a second write finds the first one's line ending.
    std::string_view stray;
    if (encoding == Encoding::Utf16le && body.size() % 2 != 0) {
        stray = body.substr(body.size() - 1);
        body.remove_suffix(1);
    }
    std::vector<Line> lines;
    const Position at = locate(body, encoding, section, key, &lines);

    const std::string keyLine =
        (at.key ? at.keySpelling : std::string(key)) + "=" + std::string(value) + "\r\n";
    const std::string sectionLine = "[" + std::string(section) + "]\r\n";
    auto encodedKey = encode(keyLine, encoding);
    auto encodedSection = encode(sectionLine, encoding);
    if (!encodedKey || !encodedSection) {
        // Text that Windows-1252 cannot hold: store the whole file as UTF-8
        // rather than lose characters. Every line keeps its text.
        return withValue(text::cp1252ToUtf8(bytes), section, key, value);
    }
    const std::string crlf = *encode("\r\n", encoding);

    std::string out(bytes.substr(0, bomLength(encoding)));
    out.reserve(bytes.size() + encodedKey->size() + encodedSection->size());
    const std::optional<std::size_t> insertAfter = at.key       ? std::nullopt
                                                   : at.lastKey ? at.lastKey
                                                                : at.section;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k == at.key) {
            out += *encodedKey;
            continue;
        }
        out += lines[k].content;
        out += lines[k].ending.empty() ? std::string_view(crlf) : lines[k].ending;
        if (k == insertAfter) out += *encodedKey;
    }
    if (!at.section) out += *encodedSection + *encodedKey;
    out += stray;
    return out;
}

std::optional<std::int32_t> profileInteger(std::string_view text) {
    const auto hexDigit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    // Digits in the given base into at most 32 bits; nothing on a bad digit or overflow.
    const auto digits = [&](std::string_view s, unsigned base,
                            std::uint64_t limit) -> std::optional<std::uint64_t> {
        if (s.empty()) return std::nullopt;
        std::uint64_t n = 0;
        for (const char c : s) {
            const int d = hexDigit(c);
            if (d < 0 || static_cast<unsigned>(d) >= base) return std::nullopt;
            n = n * base + static_cast<unsigned>(d);
            if (n > limit) return std::nullopt;
        }
        return n;
    };
    const auto wrap = [](std::uint64_t n, bool negative) {
        const auto bits = static_cast<std::uint32_t>(negative ? 0 - n : n);
        return static_cast<std::int32_t>(bits);
    };

    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto n = digits(text.substr(2), 16, 0xFFFFFFFFu);
        return n ? std::optional(wrap(*n, false)) : std::nullopt;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text[0] == '$') {
        const auto n = digits(text.substr(1), 16, 0xFFFFFFFFu);
        return n ? std::optional(wrap(*n, negative)) : std::nullopt;
    }
    const auto n = digits(text, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    return n ? std::optional(wrap(*n, negative)) : std::nullopt;
}

} // namespace platform::ini::detail
