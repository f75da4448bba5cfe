// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The storm environment file that replaces a route's rain environments.
#include <cstdint>
#include <vector>

namespace stormgen {

std::vector<std::uint8_t> makeStormEnvironment();

} // namespace stormgen
