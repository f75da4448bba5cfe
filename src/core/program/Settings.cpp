// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/Settings.h"

#include "platform/Ini.h"

namespace settings {

namespace ini = platform::ini;

std::string readLanguage(const Folders& f) { return ini::readString(f.SettingsFile(), "Programma", "Taalkeuze", ""); }

bool readLanguageAnswered(const Folders& f) { return ini::readBool(f.SettingsFile(), "Programma", "Taalscherm", false); }

std::string readSimulatorFolder(const Folders& f) {
    return ini::readString(f.SettingsFile(), "msts locatie", "Pad", "");
}

void writeLanguage(const Folders& f, const std::string& language) {
    ini::writeString(f.SettingsFile(), "Programma", "Taalkeuze", language);
}

void writeLanguageAnswered(const Folders& f) { ini::writeBool(f.SettingsFile(), "Programma", "Taalscherm", true); }

void writeSimulatorFolder(const Folders& f, const std::string& folder) {
    ini::writeString(f.SettingsFile(), "msts locatie", "Pad", folder);
}

} // namespace settings
