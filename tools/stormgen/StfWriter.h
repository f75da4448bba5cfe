// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the simulator's structured text files: UTF-16LE with a byte-order
// mark, CRLF line ends, a SIMISA@@@@@@@@@@JINX0 header line and a blank line,
// then blocks of `token ( ... )` indented with tabs.
#include <cstdint>
#include <string>
#include <vector>

namespace stormgen {

class StfWriter {
  public:
    // header: the whole first line, e.g. "SIMISA@@@@@@@@@@JINX0w0t______".
    explicit StfWriter(std::string header) : m_header(std::move(header)) {}

    // "token (" or "token ( head", then the block's contents one level deeper.
    void open(const std::string& token, const std::string& head = {});
    // ")" for the innermost open block.
    void close();
    // A whole block on one line: "token ( values )"; "token ( )" when empty.
    void leaf(const std::string& token, const std::string& values = {});
    // A line of raw text at the current depth.
    void raw(const std::string& text);

    // The finished file; throws if a block is still open.
    std::vector<std::uint8_t> finish() const;

  private:
    std::string m_header;
    std::vector<std::string> m_lines;
    int m_depth = 0;
};

// Text helpers that never consult the locale.
std::string quoted(const std::string& s);
// Fixed-point decimal with `decimals` places, trailing zeros kept.
std::string fixed(double v, int decimals);
std::string integer(long long v);

} // namespace stormgen
