// SPDX-License-Identifier: GPL-3.0-or-later
#include "StfReader.h"

#include <stdexcept>

namespace content_tests {

const StfNode* StfNode::child(const std::string& n) const {
    for (const StfNode& c : children)
        if (c.name == n) return &c;
    return nullptr;
}

std::vector<const StfNode*> StfNode::all(const std::string& n) const {
    std::vector<const StfNode*> out;
    for (const StfNode& c : children)
        if (c.name == n) out.push_back(&c);
    return out;
}

void StfNode::walk(std::vector<const StfNode*>& out) const {
    for (const StfNode& c : children) {
        out.push_back(&c);
        c.walk(out);
    }
}

StfText decodeStf(const std::vector<std::uint8_t>& b) {
    StfText t;
    if (b.size() < 2 || b[0] != 0xFF || b[1] != 0xFE) t.problems.push_back("no UTF-16LE byte-order mark");
    if (b.size() % 2 != 0) t.problems.push_back("odd number of bytes");
    std::string text;
    for (std::size_t i = 2; i + 1 < b.size(); i += 2) {
        const unsigned unit = b[i] | (b[i + 1] << 8);
        if (unit >= 0x80) {
            t.problems.push_back("non-ASCII character at byte " + std::to_string(i));
            continue;
        }
        text += static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            t.problems.push_back("CR without LF at character " + std::to_string(i));
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            t.problems.push_back("LF without CR at character " + std::to_string(i));
    }
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
        t.problems.push_back("last line does not end in CRLF");
    const std::size_t eol = text.find("\r\n");
    t.header = text.substr(0, eol);
    if (eol != std::string::npos) {
        t.blankSecondLine = text.compare(eol + 2, 2, "\r\n") == 0;
        t.body = text.substr(eol + 2);
    }
    return t;
}

namespace {

struct Token {
    std::string text;
    bool quoted;
    int line;
};

std::vector<Token> tokenize(const std::string& s) {
    std::vector<Token> out;
    int line = 2;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '\n') ++line;
        if (c <= 0x20) {
            ++i;
        } else if (c == '(' || c == ')') {
            out.push_back({std::string(1, static_cast<char>(c)), false, line});
            ++i;
        } else if (c == '"') {
            std::string v;
            const int start = line;
            for (++i;; ++i) {
                if (i >= s.size())
                    throw std::runtime_error("string opened on line " + std::to_string(start) +
                                             " never closes");
                if (s[i] == '"') break;
                if (s[i] == '\\' && i + 1 < s.size()) {
                    ++i;
                    v += s[i] == 'n' ? '\n' : s[i] == 't' ? '\t' : s[i];
                } else {
                    v += s[i];
                }
            }
            ++i;
            out.push_back({v, true, start});
        } else {
            std::size_t j = i;
            while (j < s.size() && static_cast<unsigned char>(s[j]) > 0x20 && s[j] != '(' && s[j] != ')' &&
                   s[j] != '"')
                ++j;
            out.push_back({s.substr(i, j - i), false, line});
            i = j;
        }
    }
    return out;
}

} // namespace

StfNode parseStf(const std::string& body) {
    const std::vector<Token> tokens = tokenize(body);
    StfNode root;
    std::vector<StfNode*> stack{&root};
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!t.quoted && t.text == ")") {
            if (stack.size() == 1)
                throw std::runtime_error("')' without '(' on line " + std::to_string(t.line));
            stack.pop_back();
        } else if (!t.quoted && t.text == "(") {
            throw std::runtime_error("block without a name on line " + std::to_string(t.line));
        } else if (!t.quoted && i + 1 < tokens.size() && !tokens[i + 1].quoted && tokens[i + 1].text == "(") {
            StfNode* parent = stack.back();
            if (parent->children.empty()) parent->valuesBeforeChildren = parent->values.size();
            parent->children.push_back(StfNode{t.text, {}, {}, 0, t.line});
            stack.push_back(&parent->children.back());
            ++i; // the '('
        } else {
            stack.back()->values.push_back({t.text, t.quoted});
        }
    }
    if (stack.size() != 1)
        throw std::runtime_error("block '" + stack.back()->name + "' opened on line " +
                                 std::to_string(stack.back()->line) + " is never closed");
    return root;
}

} // namespace content_tests
