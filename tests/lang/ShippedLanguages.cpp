// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShippedLanguages.h"

#include "core/language/MainTextTable.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace lang_test {
namespace {

// A path as the program's UTF-8 text (on Windows the plain string() would be
// in the ANSI code page, and "Français" would not survive).
std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

std::vector<ShippedFile> shippedLanguageFiles() {
    const char* source = std::getenv("BRONTARA_SOURCE_DIR");
    const std::filesystem::path folder =
        std::filesystem::path(source ? source : BRONTARA_TEST_SOURCE_DIR) / "data" / "Dump" / "Languages";
    std::vector<ShippedFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".lng")
            files.push_back({utf8(entry.path().stem()), utf8(entry.path())});
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.language < b.language; });
    return files;
}

std::vector<Key> keysTheProgramReads() {
    std::vector<Key> keys = {{"File info", "Language"}, {"File info", "Program"}};
    for (const MainTextRow& row : kMainTextTable)
        keys.push_back({std::string(row.section), std::string(row.key)});
    for (const MainTextRow& row : kNewerTextRows)
        keys.push_back({std::string(row.section), std::string(row.key)});
    const std::vector<Key> others = {
        {"Taal Scherm", "label1"},
        {"Taal Scherm", "titel"},
        {"Taal Scherm", "button1"},
        {"locatie scherm", "titel"},
        {"locatie scherm", "label1"},
        {"locatie scherm", "button1"},
        {"locatie scherm", "button2"},
        {"locatie scherm", "groupbox1"},
        {"map dialoog", "BrowseTekst"},
        {"Meldingen", "Titel"},
        {"Meldingen", "Kan_niet_vinden"},
        {"Meldingen", "Is_Gevonden"},
        {"Meldingen", "Gevonden_Titel"},
        {"Meldingen", "Map_niet_op_te_slaan"},
        {"About Dlg", "Titel"},
        {"About Dlg", "product"},
        {"About Dlg", "Versie"},
        {"About Dlg", "Web"},
        {"About Dlg", "Mail"},
        {"About Dlg", "mail_adres"},
        {"About Dlg", "button"},
    };
    keys.insert(keys.end(), others.begin(), others.end());
    return keys;
}

std::vector<Key> templateKeys() {
    return {{"Meldingen", "Taal_lees_err"},   {"Meldingen", "Geen_Route"},
            {"Meldingen", "Route_err"},       {"Meldingen", "Route_niet_gevonden"},
            {"Meldingen", "Niet_afsluiten"},  {"Meldingen", "Help_niet_gevonden"},
            {"Meldingen", "Nevora_actief"},   {"Meldingen", "Backup_fout"},
            {"Meldingen", "Kan_niet_vinden"}, {"Meldingen", "Is_Gevonden"}};
}

bool decodeWindows1252(const std::string& bytes, std::string& utf8) {
    // 0x80..0x9F; 0 marks the five bytes that Windows-1252 leaves undefined.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    utf8.clear();
    for (unsigned char c : bytes) {
        char32_t u = c;
        if (c >= 0x80 && c < 0xA0) {
            u = high[c - 0x80];
            if (u == 0) return false;
        }
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (u >> 12));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return true;
}

bool isValidUtf8(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const int more = c < 0x80             ? 0
                         : (c & 0xE0) == 0xC0 ? 1
                         : (c & 0xF0) == 0xE0 ? 2
                         : (c & 0xF8) == 0xF0 ? 3
                                              : -1;
        if (more < 0 || (more == 1 && c < 0xC2) || i + more >= bytes.size()) return false;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

namespace {
std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}
} // namespace

std::map<std::pair<std::string, std::string>, std::string> rawValues(const std::string& bytes) {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string section;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        const std::string t = trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t[0] == '[') {
            section = lower(trim(t.substr(1, t.find(']') - 1)));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            throw std::runtime_error("a line that is neither section, key nor comment: " + line);
        const auto k = std::make_pair(section, lower(trim(line.substr(0, eq))));
        if (values.count(k)) throw std::runtime_error("a key given twice: " + line);
        values[k] = line.substr(eq + 1);
    }
    return values;
}

} // namespace lang_test
