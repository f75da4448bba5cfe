// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/location/OtherPrefixes.h"

#include "core/location/TrainExeProbe.h"
#include "platform/Platform.h"

std::vector<std::string> simulatorFoldersInOtherPrefixes(platform::Platform& platform) {
    platform::WinePrefixQuery query;
    query.registryKey = kSimulatorRegistryKey;
    query.valueName = kExePathValue;
    // A 64-bit prefix installs the 32-bit simulator under "Program Files (x86)".
    query.defaultFolders = {kDefaultSimulatorFolder,
                            "C:\\Program Files (x86)\\Microsoft Games\\Train Simulator"};
    query.accepts = [](const std::string& folder) { return trainExeFoundAt(trainExePathIn(folder)); };
    return platform.findInOtherWinePrefixes(query);
}
