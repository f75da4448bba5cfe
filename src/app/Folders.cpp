#include "app/Folders.h"

#include "platform/Process.h"

std::string Folders::folderOf(const std::string& executablePath) {
    auto last = executablePath.find_last_of("\\/");
    return last == std::string::npos ? std::string() : executablePath.substr(0, last + 1);
}

Folders Folders::ofExecutable() { return Folders{folderOf(platform::executablePath())}; }
