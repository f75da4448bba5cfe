# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows resources of an executable: icon, manifest and version
# information (brontara.rc.in), with the icon rendered from assets/icon.svg.
function(brontara_add_windows_resources target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/windows)
  set(BRONTARA_ICON_FILE ${dir}/brontara.ico)
  set(BRONTARA_MANIFEST_FILE ${dir}/brontara.manifest)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/brontara.manifest ${BRONTARA_MANIFEST_FILE} @ONLY)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/brontara.rc.in ${dir}/brontara.rc @ONLY)
  # The sizes Explorer and the task bar ask for at 100 % to 200 % scaling.
  add_custom_command(OUTPUT ${BRONTARA_ICON_FILE}
    COMMAND ${BRONTARA_SVGPNG} --ico ${CMAKE_SOURCE_DIR}/assets/icon.svg ${BRONTARA_ICON_FILE}
            16 20 24 32 40 48 64 256
    DEPENDS ${CMAKE_SOURCE_DIR}/assets/icon.svg ${BRONTARA_SVGPNG_DEPENDS}
    COMMENT "Rendering the program icon"
    VERBATIM)
  add_custom_target(${target}_icon DEPENDS ${BRONTARA_ICON_FILE})
  add_dependencies(${target} ${target}_icon)
  set_source_files_properties(${dir}/brontara.rc PROPERTIES
    OBJECT_DEPENDS "${BRONTARA_ICON_FILE};${BRONTARA_MANIFEST_FILE}")
  target_sources(${target} PRIVATE ${dir}/brontara.rc)
endfunction()
