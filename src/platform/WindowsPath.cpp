#include "platform/WindowsPath.h"

namespace platform {
namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::optional<WindowsPath> parseWindowsPath(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.empty()) return std::nullopt;

    WindowsPath path;
    if (text.size() >= 2 && isAsciiLetter(text[0]) && text[1] == ':') {
        path.base = WindowsPath::Base::Drive;
        path.drive = static_cast<char>(text[0] | 0x20);
        text.remove_prefix(2);
    } else if (isSeparator(text[0])) {
        path.base = WindowsPath::Base::Rooted;
    }

    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view component = text.substr(i, end - i);
        i = end;
        if (component == ".") continue;
        if (component == "..") {
            if (!path.components.empty())
                path.components.pop_back();
            else if (path.base == WindowsPath::Base::Relative)
                ++path.parentSteps;
            continue;
        }
        path.components.emplace_back(component);
    }
    path.trailingSeparator = !path.components.empty() && isSeparator(text.back());
    return path;
}

std::string WindowsPath::text() const {
    std::string result;
    switch (base) {
    case Base::Drive:
        result = std::string(1, drive) + ":\\";
        break;
    case Base::Rooted:
        result = "\\";
        break;
    case Base::Relative:
        for (std::size_t k = 0; k < parentSteps; ++k)
            result += "..\\";
        if (result.empty() && components.empty()) result = ".";
        // ".\C:\x" names a folder "C:" below the current one; written without
        // its ".\" it would read back as the root of drive C.
        if (result.empty() && !components.empty() && components.front().find(':') != std::string::npos)
            result = ".\\";
        break;
    }
    for (std::size_t k = 0; k < components.size(); ++k) {
        if (k > 0) result += '\\';
        result += components[k];
    }
    if (trailingSeparator && !components.empty()) result += '\\';
    return result;
}

} // namespace platform
