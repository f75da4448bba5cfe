// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/RouteWater.h"

#include <cstdint>

namespace storm {
namespace {

// Real environment files are a few kilobytes; anything far larger is not one.
constexpr std::size_t kLargestEnvironment = 4u << 20;
// The start of the header of every uncompressed text file (a compressed one reads "SIMISA@F").
constexpr std::string_view kHeader = "SIMISA@@@@@@@@@@JINX0";

class Utf16Text {
  public:
    explicit Utf16Text(std::string_view bytes) : m_bytes(bytes) {}
    std::size_t size() const { return m_bytes.size() / 2; }
    char16_t operator[](std::size_t i) const {
        return static_cast<char16_t>(static_cast<std::uint8_t>(m_bytes[2 * i]) |
                                     static_cast<std::uint8_t>(m_bytes[2 * i + 1]) << 8);
    }

  private:
    std::string_view m_bytes;
};

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Control characters and unpaired surrogates never occur in a text file the
// simulator wrote; a file holding them is damaged.
bool wellFormed(const Utf16Text& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x20 && !isSpace(c)) return false;
        if (c >= 0xDC00 && c <= 0xDFFF) return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

// Token names are compared as the simulator's readers do, without regard to case.
bool wordIs(const Utf16Text& text, std::size_t begin, std::size_t end, std::string_view name) {
    if (end - begin != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char16_t c = text[begin + i];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != static_cast<char16_t>(name[i])) return false;
    }
    return true;
}

} // namespace

std::optional<ByteSpan> findWaterBlock(std::string_view environment) {
    if (environment.size() > kLargestEnvironment || environment.size() % 2 != 0 ||
        !environment.starts_with("\xff\xfe"))
        return std::nullopt;
    const Utf16Text text(environment);
    if (!wellFormed(text) || text.size() < 1 + kHeader.size()) return std::nullopt;
    for (std::size_t i = 0; i < kHeader.size(); ++i)
        if (text[1 + i] != static_cast<char16_t>(kHeader[i])) return std::nullopt;

    // One pass over the tokens, counting brackets without recursion, so that no
    // nesting, however deep, can exhaust the stack.
    std::size_t depth = 0, worlds = 0, wordBegin = 0, wordEnd = 0;
    bool inWorld = false, inWater = false;
    std::optional<ByteSpan> water;
    std::size_t i = 1 + kHeader.size();
    while (i < text.size()) {
        const char16_t c = text[i];
        if (isSpace(c)) {
            ++i;
        } else if (c == u'"') {
            for (++i; i < text.size() && text[i] != u'"'; ++i)
                if (text[i] == u'\\') ++i;
            if (i >= text.size()) return std::nullopt; // a quote left open
            ++i;
            wordEnd = wordBegin;
        } else if (c == u'(') {
            const bool named = wordEnd > wordBegin;
            if (depth == 0 && named && wordIs(text, wordBegin, wordEnd, "world")) {
                if (++worlds > 1) return std::nullopt;
                inWorld = true;
            } else if (depth == 1 && inWorld && named && wordIs(text, wordBegin, wordEnd, "world_water")) {
                if (water || inWater) return std::nullopt;
                inWater = true;
                water = ByteSpan{2 * wordBegin, 0};
            }
            ++depth;
            ++i;
            wordEnd = wordBegin;
        } else if (c == u')') {
            if (depth == 0) return std::nullopt;
            --depth;
            ++i;
            if (depth == 0) inWorld = false;
            if (depth == 1 && inWater) {
                inWater = false;
                water->end = 2 * i;
            }
            wordEnd = wordBegin;
        } else {
            wordBegin = i;
            while (i < text.size() && !isSpace(text[i]) && text[i] != u'(' && text[i] != u')' &&
                   text[i] != u'"')
                ++i;
            wordEnd = i;
        }
    }
    if (depth != 0 || worlds != 1 || !water) return std::nullopt;
    return water;
}

std::string withRouteWater(std::string_view stormEnvironment, std::string_view routeEnvironment) {
    const auto storm = findWaterBlock(stormEnvironment);
    const auto route = findWaterBlock(routeEnvironment);
    if (!storm || !route) return std::string(stormEnvironment);
    std::string composed(stormEnvironment.substr(0, storm->begin));
    composed += routeEnvironment.substr(route->begin, route->end - route->begin);
    composed += stormEnvironment.substr(storm->end);
    return composed;
}

} // namespace storm
