# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file lacks the licence identifier in its first five
# lines: the C++ sources, the CMake files, the scripts, the pictures' SVG
# sources, the help documents' sources and the desktop entry. script/add-spdx
# adds the line where it is missing. (The AppStream metainfo states its own
# licence, CC0, inside.)
set(dirs src tests tools bench fuzz cmake script packaging assets docs/help .ci)
set(files ${SOURCE_DIR}/CMakeLists.txt)
foreach(dir ${dirs})
  file(GLOB_RECURSE found ${SOURCE_DIR}/${dir}/*)
  list(APPEND files ${found})
endforeach()
set(offenders)
foreach(f ${files})
  get_filename_component(name ${f} NAME)
  get_filename_component(folder ${f} DIRECTORY)
  if(name MATCHES "\\.metainfo\\.xml\\.in$")
    continue()
  elseif(name MATCHES "\\.(cpp|h|in|cmake|sh|svg|html|desktop|nsi)$" OR name STREQUAL "CMakeLists.txt"
         OR (folder MATCHES "/(script|\\.ci)$" AND NOT name MATCHES "\\."))
    file(STRINGS ${f} head LIMIT_COUNT 5)
    if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
      list(APPEND offenders ${f})
    endif()
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" text "${offenders}")
  message(FATAL_ERROR "Source files without 'SPDX-License-Identifier: GPL-3.0-or-later' (run script/add-spdx):\n${text}")
endif()
message(STATUS "Every source file carries the licence identifier")
