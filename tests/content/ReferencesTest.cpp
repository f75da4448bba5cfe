// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the environment and sound-source files name is one that Brontara
// installs beside them, and it is there in the data folder, or one of the
// route's own standard textures.
#include "ContentFiles.h"
#include "StfFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace content_tests {
namespace {

struct ReferenceCase {
    StfCase file;
    std::string folder;                         // where the named files must be
    const std::array<std::string, 5>* textures; // allowed names, or nullptr
    const std::array<std::string, 9>* sounds;
};

std::ostream& operator<<(std::ostream& os, const ReferenceCase& c) {
    return os << c.file.path;
}

// The water patch map names a .raw file, as real environment files do; no
// .raw file is installed, so it is the one name that is not a storm file.
const std::string kPatchMap = "world_water_terrain_patch_map";

std::vector<std::string> quotedValues(const StfNode& root, bool withPatchMap = true) {
    std::vector<std::string> out;
    for (const StfNode* b : allBlocks(root))
        for (const StfValue& v : b->values)
            if (v.quoted && (withPatchMap || b->name != kPatchMap)) out.push_back(v.text);
    return out;
}

class StormReferences : public testing::TestWithParam<ReferenceCase> {};

TEST_P(StormReferences, NameOnlyInstalledFilesByBareName) {
    const auto names = quotedValues(loadStf(GetParam().file), false);
    ASSERT_FALSE(names.empty());
    for (const std::string& n : names) {
        EXPECT_EQ(n.find_first_of("/\\:"), std::string::npos) << n << " is not a bare file name";
        if (GetParam().textures && std::count(kRouteTextures.begin(), kRouteTextures.end(), n) > 0) continue;
        bool installed = false;
        if (GetParam().textures)
            installed |= std::count(GetParam().textures->begin(), GetParam().textures->end(), n) > 0;
        if (GetParam().sounds)
            installed |= std::count(GetParam().sounds->begin(), GetParam().sounds->end(), n) > 0;
        EXPECT_TRUE(installed) << n << " is not one of the files Brontara installs there";
        EXPECT_TRUE(std::filesystem::is_regular_file(dumpFolder() + "/" + GetParam().folder + "/" + n))
            << n << " is missing from the data folder";
    }
}

TEST(contentReferencesPatchMap, NamesARawFileThatIsNotInstalled) {
    const StfNode root = loadStf(kEnvironmentFile);
    int maps = 0;
    for (const StfNode* b : allBlocks(root)) {
        if (b->name != kPatchMap) continue;
        ++maps;
        ASSERT_EQ(b->values.size(), 2u);
        const std::string& n = b->values[1].text;
        EXPECT_TRUE(n.ends_with(".raw")) << n;
        EXPECT_EQ(n.find_first_of("/\\:"), std::string::npos) << n << " is not a bare file name";
        EXPECT_FALSE(std::filesystem::exists(dumpFolder() + "/Textures/" + n));
    }
    EXPECT_EQ(maps, 1);
}

INSTANTIATE_TEST_SUITE_P(content, StormReferences,
                         testing::Values(ReferenceCase{kEnvironmentFile, "Textures", &kTextures, nullptr},
                                         ReferenceCase{kInCabSms, "Sounds", nullptr, &kSounds},
                                         ReferenceCase{kExternalSms, "Sounds", nullptr, &kSounds}),
                         [](const auto& info) {
                             return std::string(info.index == 0   ? "Env"
                                                : info.index == 1 ? "InCab"
                                                                  : "External");
                         });

// Every thunder sound is heard somewhere, and every storm texture but the
// transparent one shows somewhere (the transparent one hides the stars).
TEST(contentReferencesTogether, EverythingInstalledIsUsed) {
    const auto env = quotedValues(loadStf(kEnvironmentFile));
    auto sms = quotedValues(loadStf(kExternalSms));
    for (const std::string& t : kTextures)
        EXPECT_GT(std::count(env.begin(), env.end(), t), 0) << t << " is installed but never used";
    for (const std::string& s : kSounds)
        EXPECT_GT(std::count(sms.begin(), sms.end(), s), 0) << s << " is installed but never played";
}

} // namespace
} // namespace content_tests
