// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/Folders.h"

#include "core/program/DataHome.h"
#include "platform/Process.h"
#include "platform/UserFolders.h"

std::string Folders::folderOf(const std::string& executablePath) {
    auto last = executablePath.find_last_of("\\/");
    return last == std::string::npos ? std::string() : executablePath.substr(0, last + 1);
}

Folders Folders::ofExecutable() {
    Folders folders{folderOf(platform::executablePath())};
    folders.playerDataHome = platform::userDataFolder();
    folders.dataHomeFolder = chooseDataHome(folders.programFolder, folders.playerDataHome);
    return folders;
}

std::vector<std::string> Folders::dataHomes() const {
    std::vector<std::string> homes{dataHome()};
    for (const std::string& home : {programFolder, playerDataHome})
        if (!home.empty() && home != homes.front()) homes.push_back(home);
    return homes;
}
