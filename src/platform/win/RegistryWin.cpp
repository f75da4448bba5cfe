// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Error.h"
#include "platform/Registry.h"
#include "platform/win/WideText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <windows.h>

namespace platform {
namespace {

class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key) RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

// The value's type and bytes; nothing when the key has no such value.
std::optional<std::pair<DWORD, std::string>> queryValue(HKEY key, const std::wstring& name) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::string data;
    // The value may grow between asking for its size and reading it.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        data.resize(size);
        result =
            RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_SUCCESS) {
            data.resize(size);
            return std::make_pair(type, std::move(data));
        }
    }
    return std::nullopt;
}

// The text of a REG_SZ or REG_EXPAND_SZ value (UTF-16, as the W functions give
// it), which ends at its first NUL; an odd last byte is dropped. REG_EXPAND_SZ
// is returned as stored, without expanding "%VAR%".
std::string textOf(const std::string& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::copy_n(data.data(), text.size() * sizeof(wchar_t), reinterpret_cast<char*>(text.data()));
    return win::narrow(std::wstring_view(text).substr(0, text.find(L'\0')));
}

} // namespace

RegistryText readLocalMachineText(std::string_view key, std::string_view valueName) {
    // The program names keys from the root, "\Software\...".
    if (!key.empty() && key.front() == '\\') key.remove_prefix(1);
    const std::wstring path = win::wide(key);
    const std::wstring name = win::wide(valueName);
    // Text that is not UTF-8 names no key or value; left empty it would name
    // HKEY_LOCAL_MACHINE itself or the key's default value.
    if (path.size() == 0 && !key.empty()) return {};
    if (name.size() == 0 && !valueName.empty()) return {};

    // A 32-bit installer (the simulator's among them) wrote its entries to the
    // 32-bit view of HKLM\Software, which a 64-bit program does not see by
    // default; that view comes first. A key only in the 64-bit view still counts.
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        OpenKey opened;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, opened.out()) !=
            ERROR_SUCCESS)
            continue;
        const auto value = queryValue(opened.get(), name);
        if (!value) return {true, {}};
        if (value->first != REG_SZ && value->first != REG_EXPAND_SZ)
            throw AppError("Invalid data type for '" + std::string(valueName) + "'");
        return {true, textOf(value->second)};
    }
    return {};
}

} // namespace platform
