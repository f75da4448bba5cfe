// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace platform {

struct RegistryText {
    bool keyOpened = false; // the key exists and could be opened for reading
    std::string value;      // the text value; empty when the key has no such value
};

// Opens a key under HKEY_LOCAL_MACHINE without creating it and reads one text
// value. Throws AppError "Invalid data type for '<name>'" when the value exists
// but is not text. On Linux the key is looked up in the Wine prefix's system.reg;
// in a 64-bit prefix a key under Software is first looked for in the 32-bit view
// (Software\Wow6432Node), where 32-bit Windows programs see and write it.
RegistryText readLocalMachineText(std::string_view key, std::string_view valueName);

} // namespace platform
