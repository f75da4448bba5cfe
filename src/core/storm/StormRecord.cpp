// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormRecord.h"

namespace storm {

std::vector<std::string> rainEnvNamesToProcess(const std::array<std::string, 4>& entries, bool byPattern) {
    std::vector<std::string> names;
    if (!byPattern) {
        if (!entries[0].empty()) names.push_back(entries[0]);
        return names;
    }
    for (const std::string& e : entries)
        if (!e.empty()) names.push_back(e);
    return names;
}

} // namespace storm
