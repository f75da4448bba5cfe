// SPDX-License-Identifier: GPL-3.0-or-later
// Where Windows keeps the copies that older programs without administrator
// rights write into Program Files.
#include "platform/VirtualStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Counterpart {
    const char* folder;
    std::optional<std::string> copy;
};

TEST(VirtualStore, OnlyAFolderUnderProgramFilesHasACounterpart) {
    const std::vector<std::string> guarded = {"C:\\Program Files", "C:\\Program Files (x86)\\"};
    const std::string store = "C:\\Users\\Anna\\AppData\\Local\\VirtualStore\\";
    const Counterpart cases[] = {
        {"C:\\Program Files (x86)\\Microsoft Games\\Train Simulator",
         store + "Program Files (x86)\\Microsoft Games\\Train Simulator"},
        {"c:/PROGRAM FILES/Train Simulator/", store + "PROGRAM FILES\\Train Simulator"},
        {"C:\\Program Files", store + "Program Files"},
        {"C:\\Program Files (x86)2\\Train Simulator", std::nullopt}, // whole names only
        {"D:\\Program Files\\Train Simulator", std::nullopt},
        {"C:\\Games\\Train Simulator", std::nullopt},
        {"C:\\Program Files\\..\\Windows", std::nullopt},
        {"Program Files\\Train Simulator", std::nullopt},
    };
    for (const Counterpart& c : cases)
        EXPECT_EQ(platform::virtualStoreCounterpart(c.folder, guarded, store), c.copy) << c.folder;
    EXPECT_EQ(platform::virtualStoreCounterpart("C:\\Program Files\\Sim", guarded, ""), std::nullopt);
}

TEST(VirtualStore, ThisMachineKeepsOneOnlyOnWindows) {
#ifdef _WIN32
    // Read here from the environment, which the implementation does not use.
    const char* local = std::getenv("LOCALAPPDATA");
    const char* programFiles = std::getenv("ProgramFiles(x86)");
    if (!local || !programFiles) GTEST_SKIP() << "no LOCALAPPDATA or ProgramFiles(x86) in the environment";
    const std::string folder = std::string(programFiles) + "\\Train Simulator";
    EXPECT_EQ(platform::virtualStoreFolder(folder), std::string(local) + "\\VirtualStore" + folder.substr(2));
    EXPECT_EQ(platform::virtualStoreFolder(std::string(local) + "\\Train Simulator"), std::nullopt);
#else
    EXPECT_EQ(platform::virtualStoreFolder("/home/anna/.wine/drive_c/Program Files (x86)/Sim"), std::nullopt);
#endif
}

} // namespace
