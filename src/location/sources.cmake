# SPDX-License-Identifier: GPL-3.0-or-later
# The simulator location window.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/LocationTexts.cpp
  ${_dir}/TrainExeProbe.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/CaptionFit.cpp
  ${_dir}/TLocatie_form.cpp
)
