// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Ini.h"

#include "platform/Error.h"
#include "platform/IniText.h"
#include "platform/Path.h"
#include "platform/ReplaceFile.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace platform::ini {
namespace {

// The whole file in one read; nothing when it cannot be opened or read.
std::optional<std::string> readAll(const std::string& hostPath) {
    const std::filesystem::path path = fileSystemPath(hostPath);
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    bytes.reserve(error ? 0 : static_cast<std::size_t>(size));
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Windows drops trailing blanks from the default and cuts it like a value.
std::string defaultResult(std::string_view defaultValue) {
    defaultValue = defaultValue.substr(0, defaultValue.find('\0'));
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return detail::cutToBuffer(std::string(defaultValue), detail::Encoding::Utf8);
}

[[noreturn]] void refuse(std::string_view file) {
    throw AppError("Unable to write to " + shownPath(file));
}

} // namespace

std::string readString(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
    const auto host = toHostPath(file);
    if (!host) return defaultResult(defaultValue);
    const auto bytes = readAll(*host);
    if (!bytes) return defaultResult(defaultValue);
    auto value = detail::findValue(*bytes, section, key);
    return value ? std::move(*value) : defaultResult(defaultValue);
}

void writeString(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view value) {
    const auto host = toHostPath(file);
    if (!host) refuse(file);
    // A missing file is created; one that is there but cannot be read is not
    // overwritten, or its other entries would be lost.
    std::error_code error;
    const auto status = std::filesystem::status(fileSystemPath(*host), error);
    std::string bytes;
    if (std::filesystem::exists(status)) {
        auto existing = std::filesystem::is_regular_file(status) ? readAll(*host) : std::nullopt;
        if (!existing) refuse(file);
        bytes = std::move(*existing);
    } else if (status.type() != std::filesystem::file_type::not_found) {
        refuse(file);
    }
    const auto updated = detail::withValue(bytes, section, key, value);
    if (!updated) refuse(file);
    const bool written = platform::detail::replaceFile(
        *host, platform::detail::IfExists::Replace, std::nullopt,
        [&](const platform::detail::ContentSink& put) { return put(*updated); });
    if (!written) refuse(file);
}

std::optional<std::string> storedForm(std::string_view value) {
    for (const std::string& text : {std::string(value), "\"" + std::string(value) + "\""}) {
        const auto bytes = detail::withValue({}, "S", "K", text);
        if (bytes && detail::findValue(*bytes, "S", "K") == value) return text;
    }
    return std::nullopt;
}

bool readBool(std::string_view file, std::string_view section, std::string_view key, bool defaultValue) {
    const auto number = detail::profileInteger(readString(file, section, key, ""));
    return number ? *number != 0 : defaultValue;
}

void writeBool(std::string_view file, std::string_view section, std::string_view key, bool value) {
    writeString(file, section, key, value ? "1" : "0");
}

} // namespace platform::ini
