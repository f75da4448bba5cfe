// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/Settings.h"

#include "platform/Ini.h"

namespace settings {

namespace ini = platform::ini;

std::string readLanguage(const Folders& f) {
    return ini::readString(f.settingsFile(), "Programma", "Taalkeuze", "");
}

bool readLanguageAnswered(const Folders& f) {
    return ini::readBool(f.settingsFile(), "Programma", "Taalscherm", false);
}

std::string readSimulatorFolder(const Folders& f) {
    return ini::readString(f.settingsFile(), "msts locatie", "Pad", "");
}

void writeLanguage(const Folders& f, const std::string& language) {
    ini::writeString(f.settingsFile(), "Programma", "Taalkeuze", language);
}

void writeLanguageAnswered(const Folders& f) {
    ini::writeBool(f.settingsFile(), "Programma", "Taalscherm", true);
}

void writeSimulatorFolder(const Folders& f, const std::string& folder) {
    ini::writeString(f.settingsFile(), "msts locatie", "Pad", ini::storedForm(folder).value_or(folder));
}

bool canStoreSimulatorFolder(const std::string& folder) {
    return ini::storedForm(folder).has_value();
}

} // namespace settings
