// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding, header line, balanced blocks and every list count of the storm's
// environment and sound-source files.
#include "ContentFiles.h"
#include "StfFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace content_tests {
namespace {

class StfFile : public testing::TestWithParam<StfCase> {};

TEST_P(StfFile, IsUtf16WithBomAndCrlfLines) {
    const StfText t = decodeStf(readDumpFile(GetParam().path));
    for (const std::string& p : t.problems)
        ADD_FAILURE() << p;
    EXPECT_TRUE(t.problems.empty());
}

TEST_P(StfFile, StartsWithItsHeaderLineAndABlankLine) {
    const StfText t = decodeStf(readDumpFile(GetParam().path));
    EXPECT_EQ(t.header, GetParam().header);
    EXPECT_TRUE(t.blankSecondLine);
}

TEST_P(StfFile, BlocksAreBalancedAndNamed) {
    const StfText t = decodeStf(readDumpFile(GetParam().path));
    StfNode root;
    ASSERT_NO_THROW(root = parseStf(t.body));
    ASSERT_EQ(root.children.size(), 1u) << "one top-level block";
    EXPECT_TRUE(root.values.empty()) << "stray tokens outside the top-level block";
}

INSTANTIATE_TEST_SUITE_P(content, StfFile, testing::Values(kEnvironmentFile, kInCabSms, kExternalSms),
                         [](const auto& info) {
                             const std::string& p = info.param.path;
                             std::string n = p.substr(p.rfind('/') + 1);
                             for (char& ch : n)
                                 if (ch == '.') ch = '_';
                             return n;
                         });

// Lists are a count followed by exactly that many items. `item` empty: every
// child block is an item.
struct ListRule {
    std::string list, item;
};

struct ListCase {
    StfCase file;
    std::vector<ListRule> rules;
};

std::ostream& operator<<(std::ostream& os, const ListCase& c) {
    return os << c.file.path;
}

const std::vector<ListRule> kEnvLists = {
    {"world_sky_layers", "world_sky_layer"},
    {"world_sky_satellites", "world_sky_satellite"},
    {"world_water_layers", "world_water_layer"},
    {"world_wind_layers", "world_wind_layer"},
    {"world_anim_shader_frames", "world_anim_shader_frame"},
    {"terrain_texslots", "terrain_texslot"},
    {"terrain_uvcalcs", "terrain_uvcalc"},
    {"world_sky_layer_edge_steps", "world_sky_layer_edge_step_height"},
    {"world_sky_layer_edge_steps", "world_sky_layer_edge_step_radius"},
};
const std::vector<ListRule> kSmsLists = {
    {"Streams", "Stream"},
    {"Triggers", ""},
    {"PlayOneShot", "File"},
    {"StartLoop", "File"},
};

class StfLists : public testing::TestWithParam<ListCase> {};

TEST_P(StfLists, EveryCountMatchesItsItems) {
    const StfNode root = loadStf(GetParam().file);
    const auto blocks = allBlocks(root);
    for (const ListRule& rule : GetParam().rules) {
        int lists = 0;
        for (const StfNode* b : blocks) {
            if (b->name != rule.list) continue;
            ++lists;
            ASSERT_FALSE(b->values.empty()) << rule.list << " on line " << b->line << " has no count";
            EXPECT_TRUE(b->children.empty() || b->valuesBeforeChildren >= 1)
                << rule.list << " on line " << b->line << ": the count must come first";
            const double count = number(b->values.front());
            std::size_t items = 0;
            for (const StfNode& c : b->children)
                items += rule.item.empty() || c.name == rule.item;
            EXPECT_EQ(count, static_cast<double>(items)) << rule.list << " on line " << b->line;
        }
        EXPECT_GT(lists, 0) << "no " << rule.list << " in the file";
    }
}

// Blocks that hold nothing but their list items, so a stray block cannot hide
// behind a correct count.
TEST_P(StfLists, ListsHoldOnlyTheirItems) {
    const std::set<std::string> extra = {"SelectionMethod"}; // closes a File list
    const StfNode root = loadStf(GetParam().file);
    for (const StfNode* b : allBlocks(root)) {
        for (const ListRule& rule : GetParam().rules) {
            if (b->name != rule.list || rule.item.empty() || rule.list == "world_sky_layer_edge_steps")
                continue;
            for (const StfNode& c : b->children)
                EXPECT_TRUE(c.name == rule.item || extra.count(c.name))
                    << c.name << " inside " << rule.list << " on line " << c.line;
            EXPECT_EQ(b->values.size(), 1u) << rule.list << " on line " << b->line << " has stray values";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(content, StfLists,
                         testing::Values(ListCase{kEnvironmentFile, kEnvLists},
                                         ListCase{kInCabSms, kSmsLists}, ListCase{kExternalSms, kSmsLists}),
                         [](const auto& info) {
                             const std::string& p = info.param.file.path;
                             std::string n = p.substr(p.rfind('/') + 1);
                             for (char& ch : n)
                                 if (ch == '.') ch = '_';
                             return n;
                         });

// The reader itself must reject what the simulator would choke on, or the
// checks above prove nothing.
TEST(contentStfReaderFaults, RejectsBrokenText) {
    const struct {
        std::string text, fault;
    } cases[] = {
        {"a ( b ( 1 )", "never closed"},
        {"a ( 1 ) )", "without '('"},
        {"a ( ( 1 ) )", "without a name"},
        {"a ( \"open )", "never closes"},
    };
    for (const auto& c : cases) {
        try {
            parseStf(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.fault), std::string::npos) << e.what();
        }
    }
}

TEST(contentStfReaderFaults, ReportsEncodingAndLineEndFaults) {
    auto utf16 = [](const std::string& s, bool bom) {
        std::vector<std::uint8_t> b;
        if (bom) b = {0xFF, 0xFE};
        for (char c : s) {
            b.push_back(static_cast<std::uint8_t>(c));
            b.push_back(0);
        }
        return b;
    };
    EXPECT_TRUE(decodeStf(utf16("H\r\n\r\na ( )\r\n", true)).problems.empty());
    EXPECT_FALSE(decodeStf(utf16("H\r\n\r\na ( )\r\n", false)).problems.empty());
    EXPECT_FALSE(decodeStf(utf16("H\n\na ( )\n", true)).problems.empty());
    EXPECT_FALSE(decodeStf(utf16("H\r\n\r\na ( )", true)).problems.empty());
}

} // namespace
} // namespace content_tests
