# The registry, read from Wine's system.reg.
brontara_add_tests(platform_desktop_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RegistryFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegistryTest.cpp)
