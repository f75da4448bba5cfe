# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when code outside the platform layer (src/platform and its Qt half, src/gui/platform) uses QMessageBox or QFileDialog directly.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
set(offenders)
foreach(f ${files})
  if(f MATCHES "/src/platform/|/src/gui/platform/")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "QMessageBox|QFileDialog")
  foreach(line ${lines})
    # The help-language question is a message dialog the window builds and
    # relabels itself; it may use the class, never its static helpers.
    if(line MATCHES "QMessageBox::(information|warning|critical|question|about)|QFileDialog")
      list(APPEND offenders "${f}: ${line}")
    endif()
  endforeach()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" text "${offenders}")
  message(FATAL_ERROR "Direct dialog calls outside the platform layer:\n${text}")
endif()
message(STATUS "No direct dialog calls outside the platform layer")
