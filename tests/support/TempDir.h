// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <optional>
#include <string>

namespace testing_support {

// A real temporary folder, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's host path, without a trailing separator.
    const std::string& path() const { return m_path; }
    // path() + "/" + relative
    std::string operator/(const std::string& relative) const;

    // Writes a file (creating parent folders); returns its host path.
    std::string write(const std::string& relative, const std::string& content) const;
    // Creates a folder with its parents; returns its host path.
    std::string mkdir(const std::string& relative) const;

  private:
    std::string m_path;
};

// Sets (or, with nullopt, removes) an environment variable for the life of
// the object, then puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Makes a folder the current directory for the life of the object.
class ScopedCurrentDir {
  public:
    explicit ScopedCurrentDir(const std::string& hostPath);
    ~ScopedCurrentDir();
    ScopedCurrentDir(const ScopedCurrentDir&) = delete;
    ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

  private:
    std::string m_old;
};

// Reads a whole file; an empty optional-like flag through `found`.
std::string readFile(const std::string& hostPath, bool* found = nullptr);

// Every file below a folder, relative path (with "/") to its bytes; folders
// appear as entries ending in "/" with empty content. For byte-for-byte
// comparisons of a tree before and after an operation.
std::map<std::string, std::string> snapshot(const std::string& hostPath);

} // namespace testing_support
