// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/Folders.h"

#include <string>

// The three entries of the settings file, and nothing else. Every call reads
// or writes the file afresh: nothing is cached, so each window sees the
// latest write of another. Writes throw AppError "Unable to write to ...".
namespace settings {

std::string readLanguage(const Folders& f);        // [Programma] Taalkeuze
bool readLanguageAnswered(const Folders& f);       // [Programma] Taalscherm
std::string readSimulatorFolder(const Folders& f); // [msts locatie] Pad

void writeLanguage(const Folders& f, const std::string& language);
void writeLanguageAnswered(const Folders& f); // always "1"
void writeSimulatorFolder(const Folders& f, const std::string& folder);

// True when the settings file can store the folder so that it reads back
// exactly: not longer than a read gives, outer blanks kept in quotes.
bool canStoreSimulatorFolder(const std::string& folder);

} // namespace settings
