// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormRecord.h"
#include "support/TempDir.h"

#include <map>
#include <string>
#include <vector>

namespace storm_test {

// A program folder (Dump tree with small stand-ins for the storm's files) and
// a simulator folder (train.exe, SOUND with its two rain sound sources) in
// one temporary folder. Every file holds a text that names it, so a misplaced
// copy shows.
class StormFixture {
  public:
    StormFixture();

    testing_support::TempDir dir;
    std::string program;   // host path, no trailing separator
    std::string simulator; // host path

    // ProgramFolder as the program holds it: ending in a separator.
    std::string programFolder() const { return program + "/"; }
    std::string journalFile() const { return program + "/Dump/storm_journal.ini"; }

    // A route with an Envfiles folder (and its Textures folder) holding these files.
    void addRoute(const std::string& route, const std::vector<std::string>& envFiles);
    // The record route inspection makes for a route.
    storm::StormRecord record(const std::string& route, std::vector<std::string> names, bool byPattern) const;

    std::string simFile(const std::string& relative) const { return simulator + "/" + relative; }
    std::string dumpFile(const std::string& relative) const { return program + "/Dump/" + relative; }
    std::map<std::string, std::string> simulatorSnapshot() const {
        return testing_support::snapshot(simulator);
    }

    // The stand-in contents of the storm's files.
    static std::string stormEnv() { return "storm environment"; }
    static std::string stormSoundSource(const std::string& name) { return "storm " + name; }
    static std::string original(const std::string& what) { return "original " + what; }
};

} // namespace storm_test
