#pragma once
#include <string>
#include <string_view>

namespace platform::ini {

// Private-profile access to one INI file. Every call opens the file, does one
// thing and closes it again; nothing is cached. Section and key names match
// without regard to case, values come back trimmed and without one pair of
// enclosing quotes, cut to 1023 characters. A missing file, section or key
// gives the default. Text is returned as UTF-8: a file is read as UTF-8 when
// it is valid UTF-8, else as Windows-1252.
std::string readString(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view defaultValue);

// Creates file, section and key as needed and replaces an existing value in
// place, keeping every other line. The file keeps the encoding it was read in
// (UTF-8 when new). Throws AppError "Unable to write to <file>" when refused.
void writeString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value);

// Reads the value as an integer ("0x"/"0X" with more than two characters and
// a leading "$" mark hexadecimal); not a number gives the default; true when
// not zero.
bool readBool(std::string_view file, std::string_view section, std::string_view key, bool defaultValue);

// Writes "1" or "0".
void writeBool(std::string_view file, std::string_view section, std::string_view key, bool value);

} // namespace platform::ini
