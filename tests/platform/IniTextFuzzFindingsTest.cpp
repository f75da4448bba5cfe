// What the INI fuzzer found, kept as tests on the file bytes.
#include "platform/IniText.h"

#include <gtest/gtest.h>

using namespace platform::ini::detail;

namespace {

TEST(IniTextFuzzFindings, AStrayOddByteOfAUtf16FileStaysLastAndWritingAgainChangesNothing) {
    using namespace std::string_literals;
    // BOM, "[A]", CRLF, "b=1", then one byte that is no 16-bit unit.
    const std::string file = "\xFF\xFE[\0A\0]\0\r\0\n\0b\0=\0001\0\x7F"s;
    const auto once = withValue(file, "A", "b", "c");
    ASSERT_TRUE(once);
    EXPECT_EQ(*once, "\xFF\xFE[\0A\0]\0\r\0\n\0b\0=\0c\0\r\0\n\0\x7F"s);
    EXPECT_EQ(findValue(*once, "A", "b"), "c");
    EXPECT_EQ(withValue(*once, "A", "b", "c"), once);

    const auto added = withValue(*once, "A", "d", "e");
    ASSERT_TRUE(added);
    EXPECT_EQ(findValue(*added, "A", "d"), "e");
    EXPECT_EQ(added->back(), '\x7F');
    EXPECT_EQ(withValue(*added, "A", "d", "e"), added);
}

TEST(IniTextFuzzFindings, ANameWithATabAroundItIsRefusedSinceItWouldNotBeFoundAgain) {
    // Reading trims blanks around the names in the file; the names asked for are trimmed of spaces only.
    EXPECT_FALSE(withValue("", "\t", "k", "v"));
    EXPECT_FALSE(withValue("", "Programma\t", "k", "v"));
    EXPECT_FALSE(withValue("[A]\r\n", "A", "\tk", "v"));
    const auto plain = withValue("", " A ", " k ", "v");
    ASSERT_TRUE(plain);
    EXPECT_EQ(findValue(*plain, "A", "k"), "v");
    EXPECT_EQ(findValue(*plain, "A\tB", "k"), std::nullopt);
    const auto inside = withValue("", "A\tB", "k", "v");
    ASSERT_TRUE(inside);
    EXPECT_EQ(findValue(*inside, "A\tB", "k"), "v");
}

} // namespace
