// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of a route's environment file on any bytes: no crash; a water
// block it finds lies inside the file, starts with its token and ends with its
// bracket; and the storm file composed with it holds exactly that block, found
// again where it was put, or is the storm's own file unchanged.
#include "FuzzInput.h"
#include "core/storm/RouteWater.h"
#include "platform/TextEncoding.h"

namespace {

std::string utf16File(std::string_view text) {
    return "\xff\xfe" + platform::text::utf8ToUtf16le(text);
}

const std::string& stormFile() {
    static const std::string file =
        utf16File("SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nworld (\r\n\tworld_fog_distance ( 700 )\r\n"
                  "\tworld_water ( world_water_wave_height ( 0 ) )\r\n\tworld_wind ( )\r\n)\r\n");
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view route(reinterpret_cast<const char*>(data), size);
    const auto water = storm::findWaterBlock(route);
    const std::string composed = storm::withRouteWater(stormFile(), route);
    if (!water) {
        FUZZ_CHECK(composed == stormFile());
        return 0;
    }
    FUZZ_CHECK(water->begin < water->end && water->end <= size && water->begin % 2 == 0);
    const std::string_view block = route.substr(water->begin, water->end - water->begin);
    std::string token = platform::text::utf16leToUtf8(block.substr(0, 22));
    for (char& c : token)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    FUZZ_CHECK(token == "world_water");
    FUZZ_CHECK(block.ends_with(std::string_view(")\0", 2)));
    const auto again = storm::findWaterBlock(composed);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(composed.substr(again->begin, again->end - again->begin) == block);
    FUZZ_CHECK(composed.size() ==
               stormFile().size() -
                   (storm::findWaterBlock(stormFile())->end - storm::findWaterBlock(stormFile())->begin) +
                   block.size());
    return 0;
}
