// SPDX-License-Identifier: GPL-3.0-or-later
// stormgen: writes Brontara's storm content pack (textures, thunder sounds,
// rain sound-source files and the storm environment file) into a data folder.
// The output depends on nothing but this program: same bytes on every run.
#include "Pack.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stormgen <data folder>\n"
                     "writes Textures/, Sounds/ and rain/ with the storm files into the folder\n";
        return 2;
    }
    try {
        stormgen::writeStormPack(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "stormgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
