# SPDX-License-Identifier: GPL-3.0-or-later
# What the packages hold, and how cpack makes them:
#  - a .deb that installs the program folder as /usr/lib/brontara, the command
#    /usr/bin/brontara, a desktop entry, the icon in the hicolor theme and
#    AppStream metainfo (component "system");
#  - a portable .tar.gz of the program folder Brontara/ as users unpack it
#    (component "portable").
# Both are made from the sources and the generated storm content, never from
# the laid-out build/Brontara, where a player's settings and back-ups may lie.
include(GNUInstallDirs)

set(BRONTARA_RELEASE_DATE 2026-12-07)
set(_linux ${CMAKE_SOURCE_DIR}/packaging/linux)
set(_metainfo_id example.brontara.Brontara)
configure_file(${_linux}/${_metainfo_id}.metainfo.xml.in ${CMAKE_BINARY_DIR}/packaging/${_metainfo_id}.metainfo.xml
  @ONLY)

# The program icon for desktop themes, rendered when the program is built.
set(_icons ${CMAKE_BINARY_DIR}/packaging/icons)
set(_icon_pngs)
foreach(side 48 128 256)
  set(png ${_icons}/${side}x${side}/brontara.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_icons}/${side}x${side}
    COMMAND ${BRONTARA_SVGPNG} --square ${CMAKE_SOURCE_DIR}/assets/icon.svg ${png} ${side}
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/icon.svg ${BRONTARA_SVGPNG_DEPENDS}
    COMMENT "Rendering the desktop icon at ${side} pixels"
    VERBATIM)
  list(APPEND _icon_pngs ${png})
endforeach()
add_custom_target(desktop_icons ALL DEPENDS ${_icon_pngs})

# The program folder, installed under `dir` for `component`.
function(brontara_install_program_folder dir component)
  set(args COMPONENT ${component} ${ARGN})
  install(TARGETS brontara RUNTIME DESTINATION ${dir} ${args})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/help/ DESTINATION ${dir} ${args} FILES_MATCHING PATTERN "*.doc")
  set(dump ${dir}/Dump)
  install(FILES ${CMAKE_SOURCE_DIR}/data/Dump/All_dat.ini DESTINATION ${dump} ${args})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Dump/Languages DESTINATION ${dump} ${args}
    FILES_MATCHING PATTERN "*.lng")
  # The generated storm content, and nothing else that lies beside it.
  install(DIRECTORY ${BRONTARA_PROGRAM_DIR}/Dump/Textures ${BRONTARA_PROGRAM_DIR}/Dump/Sounds
    ${BRONTARA_PROGRAM_DIR}/Dump/rain DESTINATION ${dump} ${args}
    FILES_MATCHING PATTERN "ZKT_*.ace" PATTERN "ZKT_*.wav" PATTERN "ZKT_*.sms" PATTERN "ZKT_*.env")
  # The back-up folder must exist: only the level below it is ever created.
  install(DIRECTORY ${_linux}/empty/ DESTINATION ${dump}/back_up ${args} PATTERN ".keep" EXCLUDE)
endfunction()

brontara_install_program_folder(${CMAKE_INSTALL_LIBDIR}/brontara system)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK ../${CMAKE_INSTALL_LIBDIR}/brontara/brontara
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/brontara\" SYMBOLIC)"
  COMPONENT system)
install(FILES ${_linux}/brontara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT system)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${_metainfo_id}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT system)
install(FILES ${CMAKE_SOURCE_DIR}/assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME brontara.svg COMPONENT system)
foreach(side 48 128 256)
  install(FILES ${_icons}/${side}x${side}/brontara.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps COMPONENT system)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brontara RENAME copyright
  COMPONENT system)

brontara_install_program_folder(Brontara portable EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION Brontara COMPONENT portable EXCLUDE_FROM_ALL)

set(CPACK_PACKAGE_NAME brontara)
set(CPACK_PACKAGE_VENDOR "The Brontara developers")
set(CPACK_PACKAGE_CONTACT "The Brontara developers <info@brontara.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.brontara.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Drive a Microsoft Train Simulator route in a thunderstorm")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for MS Sans Serif and Arial; Liberation Sans is their metric-compatible stand-in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Drive a Microsoft Train Simulator route in a thunderstorm
 Brontara backs up a route's rain environment files and the simulator's rain
 sound-source files, replaces them with storm versions and adds storm skies,
 lightning and thunder sounds. One button puts every file back. The simulator
 may lie in a Wine prefix; Brontara never starts it.")
# Each generator takes its own component; see CPackOptions.cmake.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/CPackOptions.cmake)
include(CPack)
