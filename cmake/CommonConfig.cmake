# SPDX-License-Identifier: GPL-3.0-or-later
# Compile settings shared by every target of the project.
add_library(brontara_common INTERFACE)
target_compile_features(brontara_common INTERFACE cxx_std_20)
target_compile_options(brontara_common INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wno-missing-field-initializers
                                 -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual>)
if(BRONTARA_WERROR)
  # GCC 12's maybe-uninitialized analysis reports std::optional values that are
  # always set when optimising, and its restrict analysis reports std::string
  # assignments inlined at -O3 (GCC bug 105329); they stay warnings, never errors.
  target_compile_options(brontara_common INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=maybe-uninitialized -Wno-error=restrict>)
endif()
target_compile_definitions(brontara_common INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)

if(BRONTARA_SANITIZE)
  # Every report ends the run, so a test that trips a sanitizer fails.
  set(_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(brontara_common INTERFACE ${_sanitizers})
  target_link_options(brontara_common INTERFACE ${_sanitizers})
endif()
if(BRONTARA_FUZZ)
  # Coverage for the fuzzers in all of the program's code; the fuzz targets link libFuzzer itself.
  target_compile_options(brontara_common INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The same sources give the same program bytes wherever they are checked out:
# the checkout's and the build's paths become fixed names in debug information
# and in __FILE__, and a Windows program's header carries no link time.
target_compile_options(brontara_common INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
if(MINGW)
  target_link_options(brontara_common INTERFACE -Wl,--no-insert-timestamp)
endif()
