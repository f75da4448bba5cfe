// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The storm's rain sound-source files: a looping rain bed with thunder at
// random intervals over it, in the cab and outside.
#include <cstdint>
#include <vector>

namespace stormgen {

enum class Listener { InCab, External };

std::vector<std::uint8_t> makeRainSms(Listener listener);

} // namespace stormgen
