// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace content_tests {

std::string dumpFolder() {
    // The environment names the program folder when the tests run under
    // ctest; run by hand, the tests fall back on the folder this build lays out.
    const char* dir = std::getenv("BRONTARA_PROGRAM_DIR");
    return std::string(dir && *dir ? dir : BUILT_PROGRAM_DIR) + "/Dump";
}

std::vector<std::uint8_t> readDumpFile(const std::string& relative) {
    const std::string path = dumpFolder() + "/" + relative;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return {};
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace content_tests
