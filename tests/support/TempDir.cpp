// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include "platform/Path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

namespace {

// A new, empty folder of our own in the system's temporary folder.
std::string makeTemporaryFolder() {
#ifdef _WIN32
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = fs::temp_directory_path() / ("brontara-test-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(p, ec)) return p.string();
    }
    throw std::runtime_error("cannot create a temporary folder");
#else
    std::string pattern = (fs::temp_directory_path() / "brontara-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return pattern;
#endif
}

void setVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value ? value->c_str() : ""); // an empty value removes it
#else
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
#endif
}

} // namespace

TempDir::TempDir() : m_path(makeTemporaryFolder()) {}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests make entries read-only; give write access back so that removal works.
    for (auto it =
             fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempDir::operator/(const std::string& relative) const {
    return m_path + "/" + relative;
}

std::string TempDir::write(const std::string& relative, const std::string& content) const {
    fs::path p = platform::fileSystemPath(m_path + "/" + relative);
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + p.string());
    return m_path + "/" + relative;
}

std::string TempDir::mkdir(const std::string& relative) const {
    fs::create_directories(platform::fileSystemPath(m_path + "/" + relative));
    return m_path + "/" + relative;
}

ScopedEnv::ScopedEnv(std::string name, const std::optional<std::string>& value) : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) m_old = old;
    setVariable(m_name, value);
}

ScopedEnv::~ScopedEnv() {
    setVariable(m_name, m_old);
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& hostPath) : m_old(fs::current_path().string()) {
    fs::current_path(hostPath);
}

ScopedCurrentDir::~ScopedCurrentDir() {
    std::error_code ec;
    fs::current_path(m_old, ec);
}

std::string readFile(const std::string& hostPath, bool* found) {
    std::ifstream in(platform::fileSystemPath(hostPath), std::ios::binary);
    if (found) *found = static_cast<bool>(in);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::map<std::string, std::string> snapshot(const std::string& hostPath) {
    std::map<std::string, std::string> result;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(hostPath, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::string rel = fs::relative(it->path(), hostPath).generic_string();
        if (it->is_directory())
            result[rel + "/"] = "";
        else
            result[rel] = readFile(it->path().string());
    }
    return result;
}

} // namespace testing_support
