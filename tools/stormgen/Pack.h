// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the whole storm content pack into a data folder ("Dump").
#include <filesystem>

namespace stormgen {

// Creates Textures/, Sounds/ and rain/ under `dumpFolder` as needed and
// (over)writes every storm file there. Throws std::runtime_error on failure.
void writeStormPack(const std::filesystem::path& dumpFolder);

} // namespace stormgen
