# The storm: route inspection, installation, restoration and the sibling guard.
set(_dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND BRONTARA_CORE_SOURCES
  ${_dir}/PlatformStormFiles.cpp
  ${_dir}/RouteInspection.cpp
  ${_dir}/StormBounds.cpp
  ${_dir}/StormInstaller.cpp
  ${_dir}/StormJournal.cpp
  ${_dir}/StormPlan.cpp
  ${_dir}/StormRecord.cpp
  ${_dir}/StormRestorer.cpp
)
list(APPEND BRONTARA_GUI_SOURCES
  ${_dir}/TForm1Storm.cpp
)
