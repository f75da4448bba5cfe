# The simulator location window.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/TLocatie_form.cpp
)
