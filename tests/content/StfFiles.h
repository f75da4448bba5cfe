#pragma once
// Loading the generated structured text files for the tests.
#include "StfReader.h"

#include <string>

namespace content_tests {

struct StfCase {
    std::string path;   // below the data folder
    std::string header; // expected first line
};

inline const StfCase kEnvironmentFile{"rain/ZKT_rain_Onweer.env", "SIMISA@@@@@@@@@@JINX0w0t______"};
inline const StfCase kInCabSms{"Sounds/ZKT_rain_in.sms", "SIMISA@@@@@@@@@@JINX0x1t______"};
inline const StfCase kExternalSms{"Sounds/ZKT_rain_ex.sms", "SIMISA@@@@@@@@@@JINX0x1t______"};

// The file's block tree; fails the test if it cannot be parsed.
StfNode loadStf(const StfCase& c);

// Every block below root, depth first.
std::vector<const StfNode*> allBlocks(const StfNode& root);

// The value as a number; fails the test if it is not one.
double number(const StfValue& v);

// The texture an environment block with a world_anim_shader (or a bare
// world_shader) names, or "" when it names none.
std::string textureOf(const StfNode& withShader);

} // namespace content_tests
