#include "StfFiles.h"

#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace content_tests {

StfNode loadStf(const StfCase& c) {
    const StfText text = decodeStf(readDumpFile(c.path));
    try {
        return parseStf(text.body);
    } catch (const std::exception& e) {
        ADD_FAILURE() << c.path << ": " << e.what();
        return {};
    }
}

std::vector<const StfNode*> allBlocks(const StfNode& root) {
    std::vector<const StfNode*> out;
    root.walk(out);
    return out;
}

double number(const StfValue& v) {
    char* end = nullptr;
    const double d = std::strtod(v.text.c_str(), &end);
    EXPECT_TRUE(!v.quoted && !v.text.empty() && end && *end == '\0') << "'" << v.text << "' is not a number";
    return d;
}

} // namespace content_tests
