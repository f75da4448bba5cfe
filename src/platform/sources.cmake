# SPDX-License-Identifier: GPL-3.0-or-later
# The platform layer: the only code that touches the operating system.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/FileNames.cpp
  ${_dir}/WindowsPath.cpp
  ${_dir}/TextEncoding.cpp
  ${_dir}/IniText.cpp
  ${_dir}/Ini.cpp
  ${_dir}/FileContents.cpp
)
if(WIN32)
  list(APPEND BRONTARA_CORE_SOURCES
    ${_dir}/win/PathWin.cpp
    ${_dir}/win/FileSystemWin.cpp
    ${_dir}/win/SingleInstanceWin.cpp
    ${_dir}/win/RegistryWin.cpp
    ${_dir}/win/WindowFinderWin.cpp
    ${_dir}/win/ProcessWin.cpp
    ${_dir}/win/ShellWin.cpp
    ${_dir}/win/WideText.cpp
    ${_dir}/win/UserFoldersWin.cpp
  )
else()
  list(APPEND BRONTARA_CORE_SOURCES
    ${_dir}/linux/PathLinux.cpp
    ${_dir}/linux/FileSystemLinux.cpp
    ${_dir}/linux/ReplaceFileLinux.cpp
    ${_dir}/linux/SingleInstanceLinux.cpp
    ${_dir}/linux/RegistryLinux.cpp
    ${_dir}/linux/WineRegistry.cpp
    ${_dir}/linux/WindowFinderX11.cpp
    ${_dir}/linux/ProcessLinux.cpp
    ${_dir}/linux/UserFoldersLinux.cpp
  )
endif()
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/qt/DesktopPlatform.cpp
)
