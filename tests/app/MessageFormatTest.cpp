// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/MessageFormat.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

namespace {

struct Formatted {
    const char* pattern;
    const char* shown;
};

class FormatsWithEmptyArgument : public ::testing::TestWithParam<Formatted> {};

TEST_P(FormatsWithEmptyArgument, ShowsTheText) {
    EXPECT_EQ(formatWithEmptyArgument(GetParam().pattern), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatsWithEmptyArgument,
                         ::testing::Values(Formatted{"", ""}, Formatted{"Geen route", "Geen route"},
                                           Formatted{"100%% zeker", "100% zeker"},
                                           Formatted{"a %s b", "a  b"}, // blanks either side stay
                                           Formatted{"%s", ""}, Formatted{"%S", ""},
                                           Formatted{"%0:s klaar", " klaar"}, // explicit first argument
                                           Formatted{"%0:s%0:s", ""},         // the same argument twice
                                           Formatted{"[%5s]", "[     ]"},     // width gives blanks
                                           Formatted{"[%-3s]", "[   ]"},
                                           Formatted{"[%.2s]", "[]"}, // precision cuts the empty text
                                           Formatted{"[%4.1s]", "[    ]"},
                                           Formatted{"Klaar%", "Klaar"}, // a trailing % is dropped
                                           Formatted{"%%%", "%"}, Formatted{"%%s", "%s"},
                                           Formatted{"ééé %s", "ééé "}));

struct Refused {
    const char* pattern;
    const char* error;
};

class RefusesConversion : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusesConversion, WithTheFormatterMessage) {
    try {
        formatWithEmptyArgument(GetParam().pattern);
        FAIL() << "no error for " << GetParam().pattern;
    } catch (const platform::AppError& e) {
        EXPECT_STREQ(e.what(), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RefusesConversion,
    ::testing::Values(Refused{"%d routes", "Format '%d' invalid or incompatible with argument"},
                      Refused{"%x", "Format '%x' invalid or incompatible with argument"},
                      Refused{"%5.2f", "Format '%5.2f' invalid or incompatible with argument"},
                      Refused{"%z", "Format '%z' invalid or incompatible with argument"},
                      Refused{"%s en %s", "No argument for format '%s'"},
                      Refused{"%1:s", "No argument for format '%1:s'"},
                      Refused{"%s%d", "No argument for format '%d'"}, // missing comes before type
                      Refused{"%*s", "Format '%*s' invalid or incompatible with argument"},
                      Refused{"%5", "Format '%5' invalid or incompatible with argument"},
                      Refused{"%-", "Format '%-' invalid or incompatible with argument"},
                      // The quoted conversion is cut to 31 characters.
                      Refused{
                          "%0000000000000000000000000000000000000009d",
                          "Format '%000000000000000000000000000000' invalid or incompatible with argument"}));

TEST(FormatsWithEmptyArgument, CapsAbsurdWidths) {
    // A language file must not be able to make the program allocate gigabytes.
    EXPECT_LE(formatWithEmptyArgument("%2000000000s").size(), 4096u);
}

TEST(UnhandledErrorText, AppendsAFullStopAfterCharactersThatSortAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Unable to write to /x/Dump\\All_dat.ini", "Unable to write to /x/Dump\\All_dat.ini."},
        {"Invalid data type for 'EXE Path'", "Invalid data type for 'EXE Path'"}, // ' sorts before .
        {"Klaar.", "Klaar."},
        {"Vraag?", "Vraag?."}, // ? sorts after .
        {"Uitroep!", "Uitroep!"},
        {"Einde 0", "Einde 0."},
        {"", ""},
        {"a-", "a-"},
        {"a/", "a/."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unhandledErrorText(c.message), c.shown) << c.message;
}

} // namespace
