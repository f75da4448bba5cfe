// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's border icons in its two states, per platform.
#include "gui/BorderIcons.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    bool withSystemMenu;
    const char16_t* platform;
    bool systemMenu, closeButton;
};

class BorderIcons : public testing::TestWithParam<Case> {};

TEST_P(BorderIcons, KeepTitleAndMinimiseAndTheCloseFunctionWhereAWindowManagerNeedsIt) {
    const Case& c = GetParam();
    const Qt::WindowFlags flags = mainWindowFlags(c.withSystemMenu, QStringView(c.platform));
    EXPECT_TRUE(flags.testFlag(Qt::Window));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(flags.testFlag(Qt::WindowSystemMenuHint), c.systemMenu);
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.closeButton);
}

INSTANTIATE_TEST_SUITE_P(States, BorderIcons,
                         testing::Values(Case{"SelectingOnX11", true, u"xcb", true, true},
                                         Case{"LockedOnX11KeepsTheCloseFunction", false, u"xcb", false, true},
                                         Case{"SelectingOnWindows", true, u"windows", true, true},
                                         Case{"LockedOnWindowsKeepsTheCloseItem", false, u"windows", true,
                                              true},
                                         Case{"LockedOffscreen", false, u"offscreen", false, false},
                                         Case{"LockedOnWayland", false, u"wayland", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
