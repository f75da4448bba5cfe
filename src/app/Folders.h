#pragma once
#include <string>

// The program's own folders, all built from the folder of the executable.
struct Folders {
    // The executable's folder up to and including its last separator.
    std::string ProgramFolder;

    std::string DumpFolder() const { return ProgramFolder + "Dump"; }
    std::string SettingsFile() const { return ProgramFolder + "Dump\\All_dat.ini"; }
    std::string BackupFolder() const { return ProgramFolder + "Dump\\back_up"; }
    std::string LanguagesFolder() const { return ProgramFolder + "Dump\\Languages"; }
    // The file of a language other than the built-in one.
    std::string LanguageFile(const std::string& language) const {
        return ProgramFolder + "Dump\\Languages\\" + language + ".lng";
    }

    // The folders of the running executable.
    static Folders ofExecutable();
    // The folder part of an executable path: up to and including the last separator.
    static std::string folderOf(const std::string& executablePath);
};
