# SPDX-License-Identifier: GPL-3.0-or-later
# Renders SVG pictures of assets/ to PNG at build time with the svgpng tool,
# at the design size and at twice that, and embeds them in `target` as
# ":/<name>.png" and ":/<name>@2x.png".
function(brontara_add_pictures target)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
  set(pngs)
  foreach(svg IN LISTS ARGN)
    get_filename_component(name ${svg} NAME_WE)
    foreach(scale 1 2)
      if(scale EQUAL 1)
        set(png ${out_dir}/${name}.png)
      else()
        set(png ${out_dir}/${name}@${scale}x.png)
      endif()
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
        COMMAND ${BRONTARA_SVGPNG} ${CMAKE_SOURCE_DIR}/assets/${svg} ${png} ${scale}
        DEPENDS ${CMAKE_SOURCE_DIR}/assets/${svg} ${BRONTARA_SVGPNG_DEPENDS}
        COMMENT "Rendering ${svg} at ${scale}x"
        VERBATIM)
      list(APPEND pngs ${png})
    endforeach()
  endforeach()
  qt_add_resources(${target} brontara_pictures PREFIX "/" BASE ${out_dir} FILES ${pngs})
endfunction()
