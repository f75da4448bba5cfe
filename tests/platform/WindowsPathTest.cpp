#include "platform/WindowsPath.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using platform::parseWindowsPath;
using Base = platform::WindowsPath::Base;

struct ParseCase {
    std::string text;
    Base base;
    char drive;
    std::size_t parentSteps;
    std::vector<std::string> components;
    bool trailing;
};

TEST(WindowsPath, TakesTextApartLexically) {
    const ParseCase cases[] = {
        {"C:\\MSTS\\Routes", Base::Drive, 'c', 0, {"MSTS", "Routes"}, false},
        {"d:/msts/", Base::Drive, 'd', 0, {"msts"}, true},
        {"C:", Base::Drive, 'c', 0, {}, false},
        {"C:\\", Base::Drive, 'c', 0, {}, false},
        {"C:MSTS", Base::Drive, 'c', 0, {"MSTS"}, false},
        {"C:\\..\\..\\x", Base::Drive, 'c', 0, {"x"}, false},
        {"\\Routes", Base::Rooted, 0, 0, {"Routes"}, false},
        {"\\\\server\\share", Base::Rooted, 0, 0, {"server", "share"}, false},
        {"/opt/Brontara/Dump\\All_dat.ini",
         Base::Rooted,
         0,
         0,
         {"opt", "Brontara", "Dump", "All_dat.ini"},
         false},
        {"/opt/Brontara/\\Dump\\\\back_up\\",
         Base::Rooted,
         0,
         0,
         {"opt", "Brontara", "Dump", "back_up"},
         true},
        {"\\", Base::Rooted, 0, 0, {}, false},
        {"\\..", Base::Rooted, 0, 0, {}, false},
        {"a\\.\\b\\..\\c", Base::Relative, 0, 0, {"a", "c"}, false},
        {"a\\b\\..", Base::Relative, 0, 0, {"a"}, false},
        {"a\\b\\..\\", Base::Relative, 0, 0, {"a"}, true},
        {"..\\..\\x", Base::Relative, 0, 2, {"x"}, false},
        {"a\\..\\..\\x", Base::Relative, 0, 1, {"x"}, false},
        {".", Base::Relative, 0, 0, {}, false},
        {"1:\\x", Base::Relative, 0, 0, {"1:", "x"}, false}, // no drive: not a letter
        {"...", Base::Relative, 0, 0, {"..."}, false},
        {std::string("a\\b\0\\c", 6), Base::Relative, 0, 0, {"a", "b"}, false}, // ends at NUL
    };
    for (const auto& c : cases) {
        const auto path = parseWindowsPath(c.text);
        ASSERT_TRUE(path.has_value()) << c.text;
        EXPECT_EQ(path->base, c.base) << c.text;
        EXPECT_EQ(path->drive, c.drive) << c.text;
        EXPECT_EQ(path->parentSteps, c.parentSteps) << c.text;
        EXPECT_EQ(path->components, c.components) << c.text;
        EXPECT_EQ(path->trailingSeparator, c.trailing) << c.text;
    }
}

TEST(WindowsPath, EmptyTextNamesNothing) {
    EXPECT_FALSE(parseWindowsPath("").has_value());
    EXPECT_FALSE(parseWindowsPath(std::string("\0abc", 4)).has_value());
}

TEST(WindowsPath, RendersBackWithBackslashes) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:/a//b/", "c:\\a\\b\\"},
        {"/x/./y", "\\x\\y"},
        {"..\\a", "..\\a"},
        {".", "."},
        {"a\\..", "."},
        {"\\", "\\"},
        // Found by fuzzing: a folder named like a drive stays below the current folder.
        {".\\C:\\x", ".\\C:\\x"},
        {"a\\..\\C:", ".\\C:"},
        {"..\\C:", "..\\C:"},
    };
    for (const auto& [text, rendered] : cases) {
        EXPECT_EQ(parseWindowsPath(text)->text(), rendered) << text;
        const auto again = parseWindowsPath(parseWindowsPath(text)->text());
        EXPECT_EQ(again->base, parseWindowsPath(text)->base) << text;
        EXPECT_EQ(again->components, parseWindowsPath(text)->components) << text;
    }
}

} // namespace
