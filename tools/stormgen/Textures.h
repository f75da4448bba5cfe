// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five storm textures, as full-resolution pictures (mipmaps and encoding
// are the Ace writer's job).
#include "Image.h"

namespace stormgen {

// Heavy, dark grey-blue storm clouds, lit faintly from above; opaque, tiles in
// both directions.
Image makeStormSky(int side);
// Ragged low scud clouds with holes, darker than the sky; alpha, tiles in both
// directions.
Image makeLowClouds(int side);
// A blue-white lightning glow fading to nothing well inside the edges.
Image makeLightningFlash(int side);
// A jagged, branching lightning bolt with a soft glow on transparency.
Image makeLightningBolt(int side);
// Nothing at all: every texel has alpha 0.
Image makeTransparent(int side);

} // namespace stormgen
