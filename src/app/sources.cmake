# The application frame: start-up, the main window, folders and settings.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/Folders.cpp
  ${_dir}/Settings.cpp
  ${_dir}/MessageFormat.cpp
  ${_dir}/SessionEnd.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/DesignFont.cpp
  ${_dir}/ErrorGuard.cpp
  ${_dir}/FormActivation.cpp
  ${_dir}/Pictures.cpp
  ${_dir}/TForm1.cpp
  ${_dir}/Startup.cpp
)
list(APPEND BRONTARA_GUI_RESOURCES background.svg)
