// SPDX-License-Identifier: GPL-3.0-or-later
// The generator writes the same bytes on every run, and the build's copy in
// the program folder is what it writes.
#include "ContentFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace content_tests {
namespace {

using testing_support::snapshot;
using testing_support::TempDir;

int runGenerator(const std::string& folder) {
    const std::string command = std::string("\"") + STORMGEN_PATH + "\" \"" + folder + "\"";
    return std::system(command.c_str());
}

TEST(contentGenerator, TwoRunsWriteIdenticalBytes) {
    TempDir first, second;
    ASSERT_EQ(runGenerator(first.path()), 0);
    ASSERT_EQ(runGenerator(second.path()), 0);
    const auto a = snapshot(first.path());
    const auto b = snapshot(second.path());
    EXPECT_EQ(a.size(), 20u) << "three folders and seventeen files";
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [path, bytes] : a) {
        ASSERT_TRUE(b.count(path)) << path;
        EXPECT_TRUE(bytes == b.at(path)) << path << " differs between runs";
    }
}

TEST(contentGenerator, ProgramFolderHoldsWhatItWrites) {
    TempDir fresh;
    ASSERT_EQ(runGenerator(fresh.path()), 0);
    for (const auto& [path, bytes] : snapshot(fresh.path())) {
        if (path.ends_with("/")) continue;
        const auto built = readDumpFile(path);
        EXPECT_TRUE(std::string(built.begin(), built.end()) == bytes)
            << path << " in the program folder is stale";
    }
}

TEST(contentGenerator, RefusesAMissingArgument) {
#ifdef _WIN32
    const char* quiet = " > nul 2>&1";
#else
    const char* quiet = " > /dev/null 2>&1";
#endif
    const std::string command = std::string("\"") + STORMGEN_PATH + "\"" + quiet;
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace
} // namespace content_tests
