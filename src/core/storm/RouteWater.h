// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace storm {

// Where the world_water block of an environment file lies, in bytes: from its
// token to its closing bracket.
struct ByteSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const ByteSpan&) const = default;
};

// The water block of an environment file as the simulator stores it: UTF-16
// little-endian text with a byte-order mark, the uncompressed text header, one
// world block with one world_water block in it and every bracket and quote
// closed. A route's file is input from the disk: anything else, however
// damaged or large, gives nothing.
std::optional<ByteSpan> findWaterBlock(std::string_view environment);

// The storm's environment file with the route's own water: its world_water
// block, byte for byte, in place of the storm's. Where the route's file has
// no readable water block (missing, empty, damaged, another format), or the
// storm's has none, the storm's file as it is, with its standard water.
std::string withRouteWater(std::string_view stormEnvironment, std::string_view routeEnvironment);

} // namespace storm
