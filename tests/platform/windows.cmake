# SPDX-License-Identifier: GPL-3.0-or-later
# The Win32 backend's own tests: Windows builds only (cross-compiled, run under
# Wine by script/cross-windows). Their own main() also serves as the second
# process of the single-instance test, hence no gtest_main; and they need
# nothing from support/, whose helpers are POSIX.
if(NOT WIN32)
  return()
endif()

add_executable(platform_windows_tests
  ${CMAKE_CURRENT_LIST_DIR}/WindowsBackendTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IniDifferentialTest.cpp)
target_link_libraries(platform_windows_tests PRIVATE brontara_core GTest::gtest)
target_compile_definitions(platform_windows_tests PRIVATE
  BRONTARA_TEST_PROGRAM_NAME="$<TARGET_FILE_NAME:platform_windows_tests>")
gtest_discover_tests(platform_windows_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
