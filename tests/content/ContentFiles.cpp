#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace content_tests {

std::string dumpFolder() {
    const char* dir = std::getenv("BRONTARA_PROGRAM_DIR");
    if (!dir) {
        ADD_FAILURE() << "BRONTARA_PROGRAM_DIR is not set";
        return "Brontara/Dump";
    }
    return std::string(dir) + "/Dump";
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
