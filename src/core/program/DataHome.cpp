// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/DataHome.h"

#include "platform/FileSystem.h"
#include "platform/UserFolders.h"

#include <string_view>

namespace {

// The shipped folders under "Dump" whose files are seeded.
constexpr std::string_view kShippedFolders[] = {"Languages", "Textures", "Sounds", "rain"};

bool isFolder(const std::string& path) {
    const auto found = platform::findFiles(path, platform::FoldersAndFiles);
    return found.size() == 1 && found.front().isDirectory();
}

// A name read from a folder that could name a place outside the folder it is copied into.
bool escapesFolder(std::string_view name) {
    return name.empty() || name == "." || name == ".." ||
           name.find_first_of("\\/:") != std::string_view::npos;
}

// Creates a folder and every missing folder above it.
void createFolderPath(const std::string& path) {
    for (std::size_t at = path.find_first_of("\\/", 1); at != std::string::npos;
         at = path.find_first_of("\\/", at + 1))
        platform::createDirectory(path.substr(0, at));
    platform::createDirectory(path);
}

} // namespace

bool seedDataHome(const std::string& programFolder, const std::string& userFolder) {
    const std::string shipped = programFolder + "Dump\\";
    const std::string dump = userFolder + "Dump\\";
    createFolderPath(dump + "back_up");
    for (std::string_view folder : kShippedFolders) {
        const std::string from = shipped + std::string(folder) + "\\";
        const std::string to = dump + std::string(folder) + "\\";
        platform::createDirectory(to);
        for (const platform::FindEntry& entry : platform::findFiles(from + "*", platform::AnyFile))
            if (!escapesFolder(entry.name)) platform::copyFile(from + entry.name, to + entry.name, true);
    }
    platform::copyFile(shipped + "All_dat.ini", dump + "All_dat.ini", true);
    return isFolder(dump + "back_up");
}

std::string chooseDataHome(const std::string& programFolder, const std::string& userFolder) {
    const std::string shipped = programFolder + "Dump";
    const bool shipsData = isFolder(shipped);
    if (platform::folderIsWritable(shipsData ? shipped : programFolder)) return programFolder;
    if (!shipsData || userFolder.empty() || !seedDataHome(programFolder, userFolder)) return programFolder;
    return userFolder;
}
