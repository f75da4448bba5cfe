# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
# The POSIX thread model gives std::thread and std::mutex. Programs are linked
# statically, so that they run under Wine without the compiler's DLLs beside them.
# With Wine installed, ctest and gtest_discover_tests run the programs under it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRONTARA_MINGW_TRIPLE x86_64-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${BRONTARA_MINGW_TRIPLE}-gcc-posix ${BRONTARA_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${BRONTARA_MINGW_TRIPLE}-g++-posix ${BRONTARA_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${BRONTARA_MINGW_TRIPLE}-windres)

# Libraries, headers and packages come from the mingw-w64 tree (and from
# prefixes given in CMAKE_FIND_ROOT_PATH), never from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${BRONTARA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config too: the host's .pc files describe Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${BRONTARA_MINGW_TRIPLE}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(BRONTARA_WINE NAMES wine)
if(BRONTARA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BRONTARA_WINE})
endif()
