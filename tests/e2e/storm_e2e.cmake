# SPDX-License-Identifier: GPL-3.0-or-later
# The storm cycle with the real program, killed by SIGKILL while a storm is
# installed (Xvfb and xdotool; skipped without them).
brontara_add_tests(storm_e2e_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/storm_sigkill.cpp)
target_compile_definitions(storm_e2e_tests PRIVATE
  STORM_E2E_PROGRAM_DIR="${BRONTARA_TEST_ROOT}${BRONTARA_PROGRAM_DIR}"
  STORM_E2E_SAMPLE_DIR="${BRONTARA_TEST_ROOT}${CMAKE_SOURCE_DIR}/data/SampleMSTS")
add_dependencies(storm_e2e_tests brontara program_folder)
