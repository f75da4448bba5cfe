#include "StfFiles.h"

#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace content_tests {

StfNode loadStf(const StfCase& c) {
    const StfText text = decodeStf(readDumpFile(c.path));
    try {
        return parseStf(text.body);
    } catch (const std::exception& e) {
        ADD_FAILURE() << c.path << ": " << e.what();
        return {};
    }
}

std::vector<const StfNode*> allBlocks(const StfNode& root) {
    std::vector<const StfNode*> out;
    root.walk(out);
    return out;
}

double number(const StfValue& v) {
    char* end = nullptr;
    const double d = std::strtod(v.text.c_str(), &end);
    EXPECT_TRUE(!v.quoted && !v.text.empty() && end && *end == '\0') << "'" << v.text << "' is not a number";
    return d;
}

std::string textureOf(const StfNode& withShader) {
    const StfNode* anim = withShader.child("world_anim_shader");
    const StfNode* shader = anim ? anim->child("world_shader") : withShader.child("world_shader");
    const StfNode* slots = shader ? shader->child("terrain_texslots") : nullptr;
    const StfNode* slot = slots ? slots->child("terrain_texslot") : nullptr;
    return slot && !slot->values.empty() ? slot->values.front().text : std::string();
}

} // namespace content_tests
