# Help documents and the about dialog.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/TForm1Help.cpp
  ${_dir}/TzktInfoDlg.cpp
)
