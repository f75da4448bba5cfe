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
    folders.dataHomeFolder = chooseDataHome(folders.programFolder, platform::userDataFolder());
    return folders;
}
