// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/WineRegistry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform::wine {
namespace {

// Wine writes short lines (long binary data is wrapped with "\" continuations),
// so a longer line is damage or not a registry file at all: it is skipped, and a
// file without line breaks costs one linear read instead of its size in memory.
constexpr std::size_t kMaxLine = 1 << 20;

// Reads a file line by line in fixed chunks. Lines come without "\n" or "\r\n".
class LineReader {
  public:
    // Reads no more than `maxBytes` of the file: what lies beyond is never seen.
    LineReader(int fd, std::uint64_t maxBytes) : m_fd(fd), m_buffer(kChunk), m_left(maxBytes) {}

    // False at the end of the file (or on a read error). `tooLong` marks a line
    // beyond kMaxLine, which is returned cut short.
    bool next(std::string& line, bool& tooLong) {
        line.clear();
        tooLong = false;
        m_ended = false;
        bool any = false;
        for (;;) {
            if (m_pos == m_end && !refill()) break;
            any = true;
            const char* start = m_buffer.data() + m_pos;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos));
            const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : m_end - m_pos;
            append(line, start, length, tooLong);
            m_pos += length;
            if (newline) {
                ++m_pos;
                m_ended = true;
                break;
            }
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return any;
    }

    // Passes over whole lines, without keeping them, up to the next line that
    // starts with `first`, which next() then reads; false at the end of the
    // file. Call it only at the start of a line.
    bool skipToLineStarting(char first) {
        for (;;) {
            if (m_pos == m_end && !refill()) return false;
            if (m_buffer[m_pos] == first) return true;
            for (;;) {
                const char* start = m_buffer.data() + m_pos;
                if (const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos))) {
                    m_pos += static_cast<std::size_t>(newline - start) + 1;
                    break;
                }
                m_pos = m_end;
                if (!refill()) return false;
            }
        }
    }

    // Whether the last line read ended with a line break. Wine ends every
    // line with one, so only a file that was cut short has a last line without.
    bool lineEnded() const { return m_ended; }

  private:
    static constexpr std::size_t kChunk = 64 * 1024;

    bool refill() {
        m_pos = m_end = 0;
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(m_buffer.size(), m_left));
        if (want == 0) return false;
        ssize_t got = 0;
        do {
            got = ::read(m_fd, m_buffer.data(), want);
        } while (got < 0 && errno == EINTR);
        if (got <= 0) return false; // end of file, or a read error: nothing more
        m_end = static_cast<std::size_t>(got);
        m_left -= m_end;
        return true;
    }

    static void append(std::string& line, const char* data, std::size_t length, bool& tooLong) {
        const std::size_t room = kMaxLine - std::min(line.size(), kMaxLine);
        if (length > room) tooLong = true;
        line.append(data, std::min(length, room));
    }

    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::uint64_t m_left;
    bool m_ended = false;
};

// A regular file open for reading, closed when it goes. Anything else (a
// folder, a pipe or device put in the file's place) counts as no file: a pipe
// could block the program for ever.
class File {
  public:
    explicit File(const std::string& hostPath)
        : m_fd(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
        struct stat info {};
        if (m_fd >= 0 && (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~File() {
        if (m_fd >= 0) ::close(m_fd);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    explicit operator bool() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

  private:
    int m_fd;
};

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s) {
    s = trimLeft(s);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The length of a valid UTF-8 sequence at the start of `s` (its code point in
// `cp`), or 0 when the bytes there are not UTF-8.
std::size_t utf8Sequence(std::string_view s, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t length = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, cp = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, cp = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Collects UTF-16 code units as UTF-8, pairing surrogates; an unpaired one
// becomes U+FFFD.
class Utf8Builder {
  public:
    void unit(char16_t u) {
        if (m_high && u >= 0xDC00 && u <= 0xDFFF) {
            appendUtf8(m_out, 0x10000 + ((char32_t{m_high} - 0xD800) << 10) + (u - 0xDC00));
            m_high = 0;
            return;
        }
        flush();
        if (u >= 0xD800 && u <= 0xDBFF)
            m_high = u;
        else
            appendUtf8(m_out, (u >= 0xDC00 && u <= 0xDFFF) ? char32_t{0xFFFD} : char32_t{u});
    }
    // Bytes that are already UTF-8 (ASCII or a checked sequence).
    void utf8(std::string_view bytes) {
        flush();
        m_out.append(bytes);
    }
    std::string take() {
        flush();
        return std::move(m_out);
    }

  private:
    void flush() {
        if (m_high) appendUtf8(m_out, 0xFFFD);
        m_high = 0;
    }

    std::string m_out;
    char16_t m_high = 0;
};

// Windows stops reading a text value at its first NUL.
std::string cutAtNul(std::string text) {
    const auto nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

// "1f)" after "str(" or "hex(": the type number in hex and the rest after ")".
std::optional<std::uint32_t> parseTypeNumber(std::string_view& s) {
    std::uint32_t type = 0;
    std::size_t i = 0;
    for (; i < s.size() && i < 8 && hexDigit(s[i]) >= 0; ++i)
        type = type * 16 + static_cast<std::uint32_t>(hexDigit(s[i]));
    if (i == 0 || i >= s.size() || s[i] != ')') return std::nullopt;
    s.remove_prefix(i + 1);
    return type;
}

// "01,02,ff": comma-separated bytes of one or two hex digits each.
std::optional<std::string> parseHexBytes(std::string_view s) {
    std::string bytes;
    s = trim(s);
    while (!s.empty()) {
        const auto comma = s.find(',');
        const std::string_view token = trim(s.substr(0, comma));
        if (token.empty() && comma == std::string_view::npos) break; // a trailing comma
        if (token.empty() || token.size() > 2) return std::nullopt;
        int byte = 0;
        for (char c : token) {
            if (hexDigit(c) < 0) return std::nullopt;
            byte = byte * 16 + hexDigit(c);
        }
        bytes.push_back(static_cast<char>(byte));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return bytes;
}

// Text stored as binary data (hex(1), hex(2)): UTF-16 little-endian.
std::string utf16leToUtf8(std::string_view bytes) {
    Utf8Builder text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.unit(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text.take();
}

// The character that a letter escape such as \n stands for; 0 for none.
char16_t controlEscape(char e) {
    switch (e) {
    case 'a':
        return 0x07;
    case 'b':
        return 0x08;
    case 'e':
        return 0x1B;
    case 'f':
        return 0x0C;
    case 'n':
        return 0x0A;
    case 'r':
        return 0x0D;
    case 't':
        return 0x09;
    case 'v':
        return 0x0B;
    default:
        return 0;
    }
}

bool isTextType(std::uint32_t type) {
    return type == RegSz || type == RegExpandSz;
}

// The data after "=": sets type and, for text types, text.
bool parseData(std::string_view data, RegValue& value) {
    std::size_t consumed = 0;
    std::optional<std::uint32_t> type;
    if (startsWith(data, "\"")) {
        type = RegSz;
        data.remove_prefix(1);
    } else if (startsWith(data, "str:\"")) {
        type = RegSz;
        data.remove_prefix(5);
    } else if (startsWith(data, "str(")) {
        data.remove_prefix(4);
        type = parseTypeNumber(data);
        if (!type || !startsWith(data, ":\"")) return false;
        data.remove_prefix(2);
    } else if (startsWith(data, "dword:")) {
        data = trim(data.substr(6));
        if (data.empty() || data.size() > 8) return false;
        for (char c : data)
            if (hexDigit(c) < 0) return false;
        value.type = RegDword;
        return true;
    } else if (startsWith(data, "hex:") || startsWith(data, "hex(")) {
        if (data[3] == ':') {
            type = RegBinary;
            data.remove_prefix(4);
        } else {
            data.remove_prefix(4);
            type = parseTypeNumber(data);
            if (!type || !startsWith(data, ":")) return false;
            data.remove_prefix(1);
        }
        const auto bytes = parseHexBytes(data);
        if (!bytes) return false;
        value.type = *type;
        if (isTextType(*type)) value.text = cutAtNul(utf16leToUtf8(*bytes));
        return true;
    } else {
        return false;
    }
    // A quoted string of some type.
    auto text = decodeString(data, '"', consumed);
    if (!text) return false;
    value.type = *type;
    if (isTextType(*type)) value.text = cutAtNul(std::move(*text));
    return true;
}

bool keyMatches(std::string_view name, const std::vector<std::string>& components) {
    std::size_t index = 0;
    for (;;) {
        const auto separator = name.find('\\');
        const std::string_view component = name.substr(0, separator);
        if (index >= components.size() || !sameRegistryName(component, components[index])) return false;
        ++index;
        if (separator == std::string_view::npos) break;
        name.remove_prefix(separator + 1);
    }
    return index == components.size();
}

// Whether a key line may name one of `keys`, judged on its raw text as far as
// that is plain ASCII without escapes. Most key lines of a large file already
// differ in a plain component and are passed over without being decoded,
// which costs more than reading them; any other line is decoded and compared.
bool mayName(std::string_view line, const std::vector<std::vector<std::string>>& keys) {
    if (keys.size() >= 64) return true;
    std::uint64_t alive = (std::uint64_t(1) << keys.size()) - 1; // one bit per key
    std::size_t start = 1;                                       // after "["
    for (std::size_t index = 0;; ++index) {
        std::size_t end = start;
        while (end < line.size() && line[end] != '\\' && line[end] != ']' &&
               static_cast<unsigned char>(line[end]) < 0x80)
            ++end;
        const bool last = end < line.size() && line[end] == ']';
        if (!last && line.substr(end, 2) != "\\\\") return true; // not plain from here on
        const std::string_view component = line.substr(start, end - start);
        for (std::size_t k = 0; k < keys.size(); ++k)
            if (index >= keys[k].size() || !sameRegistryName(component, keys[k][index]))
                alive &= ~(std::uint64_t(1) << k);
        if (alive == 0) return false;
        if (last) return true;
        start = end + 2;
    }
}

bool isHeaderLine(std::string_view line) {
    constexpr std::string_view kHeader = "WINE REGISTRY Version ";
    if (!startsWith(line, kHeader)) return false;
    return trim(line.substr(kHeader.size())) == "2";
}

// A value line with its continuation lines joined: binary data goes on in
// lines that end with "\". Nothing when the value was cut short; then `line`
// may hold the next line, already read, with `pending` set.
std::optional<std::string> readValueLines(LineReader& reader, std::string& line, bool& pending) {
    std::string logical = line;
    bool broken = false;
    bool continues = logical.back() == '\\';
    while (continues) {
        bool tooLong = false;
        if (!reader.next(line, tooLong)) return std::nullopt;
        const std::string_view part = trimLeft(line);
        if (tooLong || startsWith(part, "[") || startsWith(part, "\"") || startsWith(part, "@")) {
            pending = !tooLong; // the line belongs to what follows
            return std::nullopt;
        }
        continues = !part.empty() && part.back() == '\\';
        if (broken) continue; // too long: read to its end, but drop it
        logical.pop_back();
        if (logical.size() + part.size() > kMaxLine)
            broken = true;
        else
            logical.append(part);
    }
    // A cut-off last line still ends in its closing quote when it holds a
    // whole string; binary data cut short could pass for a shorter value.
    if (broken || (!reader.lineEnded() && logical.back() != '"')) return std::nullopt;
    return logical;
}

} // namespace

std::optional<std::vector<std::string>> splitKeyPath(std::string_view path) {
    if (startsWith(path, "\\")) path.remove_prefix(1);
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    std::vector<std::string> components;
    for (;;) {
        const auto separator = path.find('\\');
        const std::string_view component = path.substr(0, separator);
        if (component.empty()) return std::nullopt;
        components.emplace_back(component);
        if (separator == std::string_view::npos) break;
        path.remove_prefix(separator + 1);
    }
    return components;
}

std::optional<std::string> decodeString(std::string_view in, char endChar, std::size_t& consumed) {
    Utf8Builder text;
    std::size_t i = 0;
    while (i < in.size() && in[i] != endChar) {
        const char c = in[i];
        if (c != '\\' && static_cast<unsigned char>(c) < 0x80) {
            std::size_t end = i + 1; // a run of plain ASCII at once
            while (end < in.size() && in[end] != endChar && in[end] != '\\' &&
                   static_cast<unsigned char>(in[end]) < 0x80)
                ++end;
            text.utf8(in.substr(i, end - i));
            i = end;
            continue;
        }
        if (c != '\\') {
            char32_t cp = 0;
            if (const std::size_t length = utf8Sequence(in.substr(i), cp)) {
                text.utf8(in.substr(i, length));
                i += length;
            } else {
                text.unit(static_cast<unsigned char>(c)); // Latin-1
                ++i;
            }
            continue;
        }
        if (++i >= in.size()) return std::nullopt;
        const char e = in[i];
        if (const char16_t control = controlEscape(e)) {
            text.unit(control);
            ++i;
        } else if (e == 'x') {
            ++i;
            char16_t unit = 0;
            int digits = 0;
            for (; digits < 4 && i < in.size() && hexDigit(in[i]) >= 0; ++digits, ++i)
                unit = static_cast<char16_t>(unit * 16 + hexDigit(in[i]));
            text.unit(digits ? unit : u'x');
        } else if (e >= '0' && e <= '7') {
            char16_t unit = 0;
            for (int digits = 0; digits < 3 && i < in.size() && in[i] >= '0' && in[i] <= '7'; ++digits, ++i)
                unit = static_cast<char16_t>(unit * 8 + (in[i] - '0'));
            text.unit(unit);
        } else if (static_cast<unsigned char>(e) < 0x80) {
            // Any other escaped character stands for itself: \\ \" \[ \].
            text.unit(static_cast<unsigned char>(e));
            ++i;
        } // else a non-ASCII character, read whole on the next round
    }
    if (i >= in.size()) return std::nullopt;
    consumed = i + 1;
    return text.take();
}

std::optional<std::string> parseKeyLine(std::string_view line) {
    if (!startsWith(line, "[")) return std::nullopt;
    std::size_t consumed = 0;
    return decodeString(line.substr(1), ']', consumed);
}

std::optional<RegValue> parseValueLine(std::string_view line) {
    RegValue value;
    std::string_view rest;
    if (startsWith(line, "@")) {
        rest = line.substr(1);
    } else if (startsWith(line, "\"")) {
        std::size_t consumed = 0;
        auto name = decodeString(line.substr(1), '"', consumed);
        if (!name) return std::nullopt;
        value.name = std::move(*name);
        rest = line.substr(1 + consumed);
    } else {
        return std::nullopt;
    }
    rest = trimLeft(rest);
    if (!startsWith(rest, "=")) return std::nullopt;
    if (!parseData(trimLeft(rest.substr(1)), value)) return std::nullopt;
    return value;
}

bool sameRegistryName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

FileHeader readHeader(const std::string& hostPath, std::uint64_t maxBytes) {
    FileHeader header;
    File file(hostPath);
    if (!file) return header;
    LineReader reader(file.fd(), maxBytes);
    std::string line;
    bool tooLong = false;
    if (!reader.next(line, tooLong) || tooLong || !isHeaderLine(line)) return header;
    header.valid = true;
    // Wine writes "#arch=" right after the header; give up at the first key.
    while (reader.next(line, tooLong) && !startsWith(line, "[")) {
        if (!tooLong && startsWith(line, "#arch="))
            header.win64 = trim(std::string_view(line).substr(6)) == "win64";
    }
    return header;
}

FileLookup lookUpValue(const std::string& hostPath, const std::vector<std::vector<std::string>>& keys,
                       std::string_view valueName, std::uint64_t maxBytes) {
    FileLookup result;
    result.keys.resize(keys.size());
    File file(hostPath);
    if (!file) return result;
    LineReader reader(file.fd(), maxBytes);
    std::string line;
    bool tooLong = false;
    if (!reader.next(line, tooLong) || tooLong || !isHeaderLine(line)) return result;
    result.loaded = true;

    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t open = keys.size(); // keys whose first section has not been read yet
    std::size_t current = kNone;    // the key whose section is being read
    bool pending = false;           // `line` holds a line still to be handled
    while (open > 0) {
        // Outside the sections asked for, only key lines matter.
        if (!pending &&
            ((current == kNone && !reader.skipToLineStarting('[')) || !reader.next(line, tooLong)))
            break;
        pending = false;
        if (tooLong || line.empty()) continue;
        if (line.front() == '[') {
            if (current != kNone) {
                current = kNone;
                if (--open == 0) break;
            }
            if (!mayName(line, keys)) continue;
            const auto name = parseKeyLine(line);
            if (!name) continue;
            // Wine never writes a key twice; in a file edited by hand the first
            // section of a key is the one read, and later ones are ignored.
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (!result.keys[i].keyFound && keyMatches(*name, keys[i])) {
                    result.keys[i].keyFound = true;
                    current = i;
                    break;
                }
            }
            continue;
        }
        if (current == kNone || (line.front() != '"' && line.front() != '@')) continue;
        const auto logical = readValueLines(reader, line, pending);
        auto value = logical ? parseValueLine(*logical) : std::nullopt;
        // Within one section a later line for the same name replaces an earlier
        // one, as when Wine loads the file.
        if (value && sameRegistryName(value->name, valueName)) result.keys[current].value = std::move(*value);
    }
    return result;
}

} // namespace platform::wine
