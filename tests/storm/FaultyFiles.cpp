// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyFiles.h"

#include <algorithm>
#include <cctype>

namespace storm_test {

namespace {
std::string normal(std::string s) {
    std::string out;
    for (char c : s) {
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out += c;
    }
    return out;
}
} // namespace

bool pathEndsWith(const std::string& path, const std::string& tail) {
    const std::string p = normal(path), t = normal(tail);
    return p.size() >= t.size() && p.compare(p.size() - t.size(), t.size(), t) == 0;
}

std::size_t FaultyFiles::count(Op op) const {
    return static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.op == op; }));
}

bool FaultyFiles::failed(Call call) {
    calls.push_back(call);
    m_lastFailedByScript = fails && fails(calls.back());
    return m_lastFailedByScript;
}

bool FaultyFiles::fileExists(const std::string& path) {
    return !failed({Op::FileExists, path}) && m_real.fileExists(path);
}
bool FaultyFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists, bool durable) {
    return !failed({Op::Copy, from, to, failIfExists, durable}) &&
           m_real.copyFile(from, to, failIfExists, durable);
}
bool FaultyFiles::deleteFile(const std::string& path, bool durable) {
    return !failed({Op::Delete, path, "", false, durable}) && m_real.deleteFile(path, durable);
}
bool FaultyFiles::createDirectory(const std::string& path, bool durable) {
    return !failed({Op::CreateDirectory, path, "", false, durable}) && m_real.createDirectory(path, durable);
}
bool FaultyFiles::sameContents(const std::string& a, const std::string& b) {
    return !failed({Op::SameContents, a, b}) && m_real.sameContents(a, b);
}
std::optional<std::string> FaultyFiles::readFile(const std::string& path) {
    if (failed({Op::Read, path})) return std::nullopt;
    return m_real.readFile(path);
}
bool FaultyFiles::writeFileAtomically(const std::string& path, const std::string& text, bool synced) {
    return !failed({Op::WriteAtomically, path, "", false, synced}) &&
           m_real.writeFileAtomically(path, text, synced);
}
bool FaultyFiles::moveEntry(const std::string& from, const std::string& to) {
    return !failed({Op::Move, from, to}) && m_real.moveEntry(from, to);
}

std::optional<platform::Refusal> FaultyFiles::whyRefused(const std::string& path, platform::Access access) {
    static const char* const names[] = {"Read", "Replace", "AddFile"};
    if (failed({Op::Check, path, names[static_cast<int>(access)]})) return refusal;
    return m_real.whyRefused(path, access);
}
std::string FaultyFiles::lastFailure() {
    return m_lastFailedByScript ? failureText : m_real.lastFailure();
}

} // namespace storm_test
