// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a file can be read or replaced, or a folder take a new file, told
// beforehand in the system's words, without changing anything and without
// waiting on a pipe.
#include "platform/FileAccess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using namespace platform;
using testing_support::snapshot;
using testing_support::TempDir;

struct Case {
    const char* name;
    const char* path; // below the temporary folder
    Access access;
    int error; // the errno whose words are the reason; 0: no refusal
    bool notAFile = false;
};

const Case kCases[] = {
    {"MissingFile", "folder/missing", Access::Read, ENOENT},
    {"FolderRead", "folder", Access::Read, 0, true},
    {"PipeRead", "pipes/pipe", Access::Read, 0, true},
    {"PipeReplaced", "pipes/pipe", Access::Replace, 0, true},
    {"WritableFile", "folder/file", Access::Replace, 0},
    {"FileWithoutWriteBit", "folder/locked", Access::Replace, EACCES},
    {"MissingFileInAFolder", "folder/new", Access::Replace, 0},
    {"MissingFileInAMissingFolder", "gone/new", Access::Replace, ENOENT},
    {"Folder", "folder", Access::AddFile, 0},
    {"MissingFolder", "gone", Access::AddFile, ENOENT},
    {"FileAsFolder", "folder/file", Access::AddFile, ENOTDIR},
};

class FileAccessTest : public testing::TestWithParam<Case> {};

TEST_P(FileAccessTest, RefusesOnlyWhatWouldFailAndChangesNothing) {
    const Case& c = GetParam();
    TempDir dir;
    dir.write("folder/file", "content");
    dir.write("folder/locked", "content");
    fs::permissions(dir / "folder/locked", fs::perms::owner_read);
    // Apart, since taking a snapshot reads every file.
    dir.mkdir("pipes");
    ASSERT_EQ(mkfifo((dir / "pipes/pipe").c_str(), 0600), 0);
    const auto before = snapshot(dir / "folder");

    // Opening the pipe for reading would wait for a writer for ever; the test's time limit shows it.
    const auto refusal = whyRefused(dir / c.path, c.access);

    EXPECT_EQ(snapshot(dir / "folder"), before);
    ASSERT_EQ(refusal.has_value(), c.error || c.notAFile) << (refusal ? refusal->reason : "");
    if (!refusal) return;
    EXPECT_EQ(refusal->notAFile, c.notAFile);
    if (c.error) {
        EXPECT_EQ(refusal->reason, std::strerror(c.error));
    }
    // Nothing here would give way to administrator rights: the write bit counts for root too.
    EXPECT_FALSE(refusal->accessDenied);
}

INSTANTIATE_TEST_SUITE_P(Files, FileAccessTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
