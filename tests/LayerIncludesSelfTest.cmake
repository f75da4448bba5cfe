# SPDX-License-Identifier: GPL-3.0-or-later
# The layering check must fail where it should: it is run on small source
# trees made here, one clean, one with an include of a layer above, one with
# a circle of folders, and must pass, fail and fail, naming what it found.
function(tree name)
  set(root ${WORK_DIR}/${name})
  file(REMOVE_RECURSE ${root})
  math(EXPR last "${ARGC} - 1")
  foreach(i RANGE 1 ${last} 2)
    math(EXPR j "${i} + 1")
    file(WRITE ${root}/src/${ARGV${i}} "${ARGV${j}}\n")
  endforeach()
endfunction()

function(expect name result text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/${name} -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(passed FALSE)
  if(rc EQUAL 0)
    set(passed TRUE)
  endif()
  if(NOT passed STREQUAL result)
    message(FATAL_ERROR "${name}: the check ended with ${rc}, not as expected:\n${out}")
  endif()
  string(REGEX REPLACE "[ \n]+" " " flat "${out}")
  if(NOT flat MATCHES "${text}")
    message(FATAL_ERROR "${name}: the check did not say '${text}':\n${out}")
  endif()
endfunction()

tree(clean
  core/storm/A.h "#include \"platform/P.h\""
  core/storm/A.cpp "#include \"core/storm/A.h\"\n#include \"core/program/B.h\""
  core/program/B.h "#include \"platform/P.h\""
  gui/W.cpp "#include \"core/storm/A.h\""
  platform/P.h "")
expect(clean TRUE "No folder of src/")

tree(upward
  core/storm/A.cpp "#include \"gui/W.h\""
  gui/W.h "")
expect(upward FALSE "core/storm/A.cpp includes gui/W.h, a layer above its own")

tree(circle
  core/storm/A.h "#include \"core/program/B.h\""
  core/program/B.h "#include \"core/language/C.h\""
  core/language/C.h "#include \"core/storm/A.h\"")
expect(circle FALSE "a circle: core/[a-z]+ -> core/[a-z]+ -> core/[a-z]+ -> core/[a-z]+")
message(STATUS "The layering check passes a clean tree and fails an upward include and a circle")
