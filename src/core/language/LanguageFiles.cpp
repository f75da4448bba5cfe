// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language/LanguageFiles.h"

#include "platform/FileSystem.h"
#include "platform/Ini.h"

namespace lang {

namespace {

// Every entry, hidden and system ones and folders included.
constexpr unsigned kAnyEntry = platform::ReadOnly | platform::Hidden | platform::SysFile |
                               platform::VolumeId | platform::Directory | platform::Archive;

} // namespace

bool isFileLanguageName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        // Separators would leave the folder, a colon names a drive or a stream,
        // and wildcards would make the existence test match other files.
        if (u < 32 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?') return false;
    }
    return true;
}

std::string languageFile(const Folders& folders, const std::string& language) {
    return isFileLanguageName(language) ? folders.languageFile(language) : std::string();
}

std::string readText(const Folders& folders, const std::string& language, std::string_view section,
                     std::string_view key) {
    const std::string file = languageFile(folders, language);
    return file.empty() ? std::string() : platform::ini::readString(file, section, key, "");
}

bool fileExists(const Folders& folders, const std::string& language) {
    const std::string file = languageFile(folders, language);
    return !file.empty() && platform::exists(file, platform::AnyFile);
}

Identity readIdentity(const Folders& folders, const std::string& language) {
    Identity identity;
    identity.language = readText(folders, language, "File info", "Language");
    identity.program = readText(folders, language, "File info", "Program");
    return identity;
}

bool languageFits(const std::string& language) {
    // Byte-wise: an empty text, or one whose first character is a control
    // character, sorts before a single blank.
    return language != "Onbekend" && !(language < std::string(" "));
}

bool programFits(const std::string& program) {
    return program == "Brontara";
}

std::string nameWithoutExtension(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::vector<std::string> listLanguages(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : platform::findFiles(folder + "\\*.lng", kAnyEntry)) {
        if (entry.name != "." && entry.name != "..") names.push_back(nameWithoutExtension(entry.name));
    }
    return names;
}

} // namespace lang
