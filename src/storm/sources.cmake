# The storm: route inspection, installation, restoration and the sibling guard.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/TForm1Storm.cpp
)
