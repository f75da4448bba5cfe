# SPDX-License-Identifier: GPL-3.0-or-later
# Help documents and the about dialog.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/AboutTexts.cpp
  ${_dir}/HelpButtonLabels.cpp
  ${_dir}/HelpDocuments.cpp
  ${_dir}/LinkTarget.cpp
  ${_dir}/MessageDialogKinds.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/AccessibleControls.cpp
  ${_dir}/BevelPanel.cpp
  ${_dir}/LinkCursor.cpp
  ${_dir}/LinkLabel.cpp
  ${_dir}/MessageDialog.cpp
  ${_dir}/PictureBox.cpp
  ${_dir}/ScreenCentre.cpp
  ${_dir}/TForm1Help.cpp
  ${_dir}/TzktInfoDlg.cpp
)
list(APPEND BRONTARA_GUI_RESOURCES emblem.svg cloud.svg link_cursor.svg)
