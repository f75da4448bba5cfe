# SPDX-License-Identifier: GPL-3.0-or-later
# Files, paths, INI files and the single-instance claim: real temporary folders, no windows.
# The rules that are the same on every system are tested everywhere; the
# Linux backend's own behaviour (path mapping, search, copies, INI writes,
# the flock claim) only there: windows.cmake tests the Win32 backend's.
set(_platform_files_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/FileNamesTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowsPathTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TextEncodingTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniReadTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniBoolTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniTextFuzzFindingsTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileContentsTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/UserFoldersTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/VirtualStoreTest.cpp
)
if(NOT WIN32)
  list(APPEND _platform_files_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/PathTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FindFilesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FileOperationsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FileAccessTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/IniWriteTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/SingleInstanceTest.cpp
  )
endif()
brontara_add_tests(platform_files_tests SOURCES ${_platform_files_tests})
