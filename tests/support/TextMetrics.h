// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

// Tests that measure text against the design's control sizes need the fonts
// the program's windows really get. Under Wine, Qt's offscreen platform (the
// tests' own) measures with stand-in fonts unlike Windows' and Linux's; there
// the real brontara.exe's windows are looked at instead
// (script/try-windows-program takes screenshots of each).
#ifdef _WIN32
#define SKIP_WITHOUT_REAL_FONTS()                                                                            \
    GTEST_SKIP() << "text is measured with the offscreen platform's stand-in fonts on Windows"
#else
#define SKIP_WITHOUT_REAL_FONTS() (void)0
#endif
