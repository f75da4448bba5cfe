# Help documents and the about dialog.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/HelpButtonLabels.cpp
  ${_dir}/HelpDocuments.cpp
  ${_dir}/LinkTarget.cpp
  ${_dir}/MessageDialogKinds.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/InfoFont.cpp
  ${_dir}/LinkCursor.cpp
  ${_dir}/LinkLabel.cpp
  ${_dir}/MessageDialog.cpp
  ${_dir}/ScreenCentre.cpp
  ${_dir}/TForm1Help.cpp
  ${_dir}/TzktInfoDlg.cpp
)
list(APPEND BRONTARA_GUI_RESOURCES link_cursor.svg)
