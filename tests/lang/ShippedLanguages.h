// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

// The language files that ship in data/Dump/Languages, and what the program
// reads from them.
namespace lang_test {

struct ShippedFile {
    std::string language; // the file name without ".lng"
    std::string path;     // host path
};
std::vector<ShippedFile> shippedLanguageFiles();

struct Key {
    std::string section, key;
};
// Every key that a window of the program reads from a language file.
std::vector<Key> keysTheProgramReads();
// The texts that are shown through the message formatter.
std::vector<Key> templateKeys();

// Windows-1252 bytes as UTF-8; false when a byte has no character there.
bool decodeWindows1252(const std::string& bytes, std::string& utf8);
bool isValidUtf8(const std::string& bytes);

// Every "key=value" line of a file by lower-cased section and key, the value as
// it stands after the "=" (undecoded, untrimmed, but without the line end).
std::map<std::pair<std::string, std::string>, std::string> rawValues(const std::string& bytes);

} // namespace lang_test
