// SPDX-License-Identifier: GPL-3.0-or-later
#include "StfWriter.h"

#include "DetMath.h"

#include <stdexcept>

namespace stormgen {

void StfWriter::open(const std::string& token, const std::string& head) {
    raw(head.empty() ? token + " (" : token + " ( " + head);
    ++m_depth;
}

void StfWriter::close() {
    if (m_depth == 0) throw std::logic_error("close without open");
    --m_depth;
    raw(")");
}

void StfWriter::leaf(const std::string& token, const std::string& values) {
    raw(values.empty() ? token + " ( )" : token + " ( " + values + " )");
}

void StfWriter::raw(const std::string& text) {
    m_lines.push_back(std::string(static_cast<size_t>(m_depth), '\t') + text);
}

std::vector<std::uint8_t> StfWriter::finish() const {
    if (m_depth != 0) throw std::logic_error("a block is still open");
    std::string text = m_header + "\r\n\r\n";
    for (const std::string& line : m_lines)
        text += line + "\r\n";
    std::vector<std::uint8_t> out{0xFF, 0xFE};
    out.reserve(2 + 2 * text.size());
    for (unsigned char c : text) {
        if (c >= 0x80) throw std::invalid_argument("structured text files are written in ASCII only");
        out.push_back(c);
        out.push_back(0);
    }
    return out;
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string integer(long long v) {
    if (v < 0) return "-" + integer(-v);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + v % 10));
        v /= 10;
    } while (v > 0);
    return digits;
}

std::string fixed(double v, int decimals) {
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long units = static_cast<long long>(dm::roundHalfAway(v * static_cast<double>(scale)));
    const long long whole = (units < 0 ? -units : units) / scale;
    const long long frac = (units < 0 ? -units : units) % scale;
    std::string out = (units < 0 ? "-" : "") + integer(whole);
    if (decimals > 0) {
        std::string f = integer(frac);
        out += "." + std::string(static_cast<size_t>(decimals) - f.size(), '0') + f;
    }
    return out;
}

} // namespace stormgen
