# SPDX-License-Identifier: GPL-3.0-or-later
# The registry (Wine's system.reg) and the window finder (X11, tried on a
# private Xvfb server that the tests start themselves).
find_package(PkgConfig REQUIRED)
pkg_check_modules(BRONTARA_TEST_XCB REQUIRED IMPORTED_TARGET xcb)

brontara_add_tests(platform_desktop_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RegistryFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WinePrefixSearchTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XvfbClient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowFinderTest.cpp
  LIBS PkgConfig::BRONTARA_TEST_XCB)

# The Qt half: message boxes as the user meets them.
if(NOT BRONTARA_CORE_ONLY)
  brontara_add_tests(platform_qt_tests GUI
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageBoxTest.cpp
    LIBS Qt6::Test)
endif()
