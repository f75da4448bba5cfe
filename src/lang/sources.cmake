# SPDX-License-Identifier: GPL-3.0-or-later
# Languages: the main window's text table, language files and language choice.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/LanguageFiles.cpp
  ${_dir}/MainTextTable.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/Caption.cpp
  ${_dir}/TForm1Language.cpp
  ${_dir}/Tlanguage_form.cpp
)
