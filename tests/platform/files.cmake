# Files, paths, INI files and the single-instance claim: real temporary folders, no windows.
brontara_add_tests(platform_files_tests SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/FileNamesTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/WindowsPathTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PathTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FindFilesTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileOperationsTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TextEncodingTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniReadTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniWriteTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/IniBoolTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/SingleInstanceTest.cpp
)
