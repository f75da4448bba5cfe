// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of a route's environment file finds its one water block and
// refuses everything else.
#include "core/storm/RouteWater.h"
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

using storm::findWaterBlock;

namespace {

const std::string kHeader = "SIMISA@@@@@@@@@@JINX0w0t______\r\n";

std::string utf16(const std::string& text) {
    return "\xff\xfe" + platform::text::utf8ToUtf16le(text);
}

// The water block's text, or "-" when the file is refused.
std::string waterOf(const std::string& file) {
    const auto span = findWaterBlock(file);
    return span ? platform::text::utf16leToUtf8(file.substr(span->begin, span->end - span->begin)) : "-";
}

TEST(RouteWater, FindsTheOneWaterBlockOfTheWorldAndRefusesTheRest) {
    const std::string deep = std::string(200000, '(') + std::string(200000, ')');
    const struct {
        const char* what;
        std::string file, water;
    } cases[] = {
        {"plain", utf16(kHeader + "world ( world_water ( a ( b ) ) x ( ) )"), "world_water ( a ( b ) )"},
        {"any case, brackets in quotes", utf16(kHeader + "WORLD ( World_Water ( \"(\\\")\" ) )"),
         "World_Water ( \"(\\\")\" )"},
        {"no byte-order mark", platform::text::utf8ToUtf16le(kHeader + "world ( world_water ( ) )"), "-"},
        {"odd length", utf16(kHeader + "world ( world_water ( ) )") + "x", "-"},
        {"compressed", utf16("SIMISA@F\r\nworld ( world_water ( ) )"), "-"},
        {"lone surrogate", utf16(kHeader + "world ( world_water ( ) )") + std::string("\x00\xd8", 2), "-"},
        {"control character", utf16(kHeader + "world ( world_water ( \x01 ) )"), "-"},
        {"no water", utf16(kHeader + "world ( world_sky ( ) )"), "-"},
        {"water outside the world", utf16(kHeader + "world ( ) world_water ( )"), "-"},
        {"water deeper down", utf16(kHeader + "world ( x ( world_water ( ) ) )"), "-"},
        {"two water blocks", utf16(kHeader + "world ( world_water ( ) world_water ( ) )"), "-"},
        {"two worlds", utf16(kHeader + "world ( world_water ( ) ) world ( )"), "-"},
        {"stray bracket", utf16(kHeader + "world ( world_water ( ) ) )"), "-"},
        {"quote left open", utf16(kHeader + "world ( world_water ( \"a ) )"), "-"},
        {"deep nesting", utf16(kHeader + "world ( world_water ( " + deep + " ) )"),
         "world_water ( " + deep + " )"},
        {"far too large", utf16(kHeader + "world ( world_water ( ) " + std::string(3u << 20, ' ') + ")"),
         "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(waterOf(c.file), c.water) << c.what;
}

} // namespace
