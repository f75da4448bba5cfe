// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/location/TrainExeProbe.h"

#include "platform/FileSystem.h"

#include <algorithm>

std::string trainExePathIn(const std::string& folder) {
    return folder + "\\train.exe";
}

bool trainExeFoundAt(const std::string& path) {
    const bool control =
        std::any_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
    return !control && platform::exists(path, platform::AnyFile);
}
