// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

// The program's own folders. The help documents lie beside the executable;
// the data folder "Dump" lies in the data home, which is the program folder
// itself (the portable layout) unless that cannot be written (DataHome.h).
struct Folders {
    // The executable's folder up to and including its last separator.
    std::string programFolder;
    // The folder that holds "Dump", with its last separator; empty means the program folder.
    std::string dataHomeFolder;
    // The player's own data home, with its last separator; empty when there is none.
    std::string playerDataHome;

    const std::string& dataHome() const { return dataHomeFolder.empty() ? programFolder : dataHomeFolder; }
    // Every data home a storm's journal may lie in: the one in use, and the other one a start may have used
    // before the program folder became writable or read-only.
    std::vector<std::string> dataHomes() const;
    std::string dumpFolder() const { return dataHome() + "Dump"; }
    std::string settingsFile() const { return dataHome() + "Dump\\All_dat.ini"; }
    std::string backupFolder() const { return dataHome() + "Dump\\back_up"; }
    std::string languagesFolder() const { return dataHome() + "Dump\\Languages"; }
    // The file of a language other than the built-in one.
    std::string languageFile(const std::string& language) const {
        return dataHome() + "Dump\\Languages\\" + language + ".lng";
    }

    // The folders of the running executable, with the data home chosen for it
    // (and, for a per-user one, filled from the shipped data folder).
    static Folders ofExecutable();
    // The folder part of an executable path: up to and including the last separator.
    static std::string folderOf(const std::string& executablePath);
};
