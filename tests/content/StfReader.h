// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reader of the simulator's structured text files (.env, .sms) written from
// the format notes: UTF-16LE with BOM, CRLF lines, a SIMISA header line, then
// tokens where `(` and `)` stand alone and a token before `(` names a block.
#include <cstdint>
#include <string>
#include <vector>

namespace content_tests {

struct StfValue {
    std::string text;
    bool quoted;
};

struct StfNode {
    std::string name;
    std::vector<StfValue> values; // the block's plain tokens, in order
    std::vector<StfNode> children;
    // How many values came before the first child block (a list's count
    // must come first).
    std::size_t valuesBeforeChildren = 0;
    int line = 0;

    const StfNode* child(const std::string& n) const;
    std::vector<const StfNode*> all(const std::string& n) const;
    // Every block below this one (depth first), itself excluded.
    void walk(std::vector<const StfNode*>& out) const;
};

struct StfText {
    std::string header; // the first line
    bool blankSecondLine = false;
    std::vector<std::string> problems; // encoding and line-end faults
    std::string body;                  // everything after the header line
};

// Decodes UTF-16LE (BOM required) to ASCII text and checks line ends.
StfText decodeStf(const std::vector<std::uint8_t>& bytes);

// Tokenises and builds the block tree; the root is an unnamed node holding
// the top-level blocks. Throws std::runtime_error with the line on faults
// (unbalanced parentheses, a block without a name, an open string).
StfNode parseStf(const std::string& body);

} // namespace content_tests
