// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/MessageFormat.h"

#include "platform/Error.h"

#include <algorithm>
#include <cctype>

namespace {

// A width asked of a conversion beyond this only produces blanks nobody can
// read; it is capped so that a language file cannot make the program allocate
// gigabytes.
constexpr long kMaxWidth = 4096;

std::string quoted(std::string_view conversion) {
    return "'" + std::string(conversion.substr(0, 31)) + "'";
}

[[noreturn]] void invalid(std::string_view conversion) {
    throw platform::AppError("Format " + quoted(conversion) + " invalid or incompatible with argument");
}

[[noreturn]] void missing(std::string_view conversion) {
    throw platform::AppError("No argument for format " + quoted(conversion));
}

bool isConversionType(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'd':
    case 'u':
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm':
    case 'p':
    case 's':
    case 'x':
        return true;
    default:
        return false;
    }
}

} // namespace

std::string formatWithEmptyArgument(std::string_view p) {
    constexpr int argumentCount = 1; // the one empty text
    std::string out;
    int nextArgument = 0;
    size_t i = 0;
    while (i < p.size()) {
        char c = p[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        size_t start = i++;
        if (i == p.size()) break; // a "%" at the very end is dropped
        if (p[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // "%" [index ":"] ["-"] [width] ["." precision] type; "*" takes a number from the arguments.
        auto conversionSoFar = [&] { return p.substr(start, std::min(i + 1, p.size()) - start); };
        bool starUsed = false;
        auto readNumber = [&](long& value) {
            if (i < p.size() && p[i] == '*') {
                // The argument it takes is a text, never a number.
                if (nextArgument >= argumentCount) missing(conversionSoFar());
                starUsed = true;
                ++nextArgument;
                ++i;
                return;
            }
            while (i < p.size() && std::isdigit(static_cast<unsigned char>(p[i]))) {
                value = std::min(value * 10 + (p[i] - '0'), 1'000'000'000L);
                ++i;
            }
        };
        long width = 0, precision = 0;
        readNumber(width);
        if (i < p.size() && p[i] == ':') {
            if (starUsed) invalid(conversionSoFar());
            nextArgument = static_cast<int>(std::min(width, 1'000'000L));
            width = 0;
            ++i;
            readNumber(width);
        }
        if (i < p.size() && p[i] == '-') {
            ++i;
            readNumber(width);
        }
        if (i < p.size() && p[i] == '.') {
            ++i;
            readNumber(precision);
        }
        if (i >= p.size() || !isConversionType(p[i]))
            invalid(p.substr(start, std::min(i + 1, p.size()) - start));
        std::string_view conversion = p.substr(start, i + 1 - start);
        ++i;
        if (starUsed) invalid(conversion);
        if (nextArgument >= argumentCount) missing(conversion);
        ++nextArgument;
        if (std::tolower(static_cast<unsigned char>(conversion.back())) != 's') invalid(conversion);
        out.append(static_cast<size_t>(std::min(width, kMaxWidth)), ' ');
    }
    return out;
}

std::string unhandledErrorText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}
