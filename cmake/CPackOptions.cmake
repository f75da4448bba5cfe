# SPDX-License-Identifier: GPL-3.0-or-later
# Per-generator settings, read by cpack for each package it makes.
if(CPACK_GENERATOR STREQUAL "DEB")
  # The program folder under /usr/lib/brontara, with its desktop integration
  # (the install's default component set; the portable one is left out).
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
elseif(CPACK_GENERATOR STREQUAL "TGZ")
  # Only the program folder Brontara/ as users unpack it, runnable where it lies.
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL portable)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_ARCHIVE_PORTABLE_FILE_NAME "Brontara-${CPACK_PACKAGE_VERSION}-portable-linux")
endif()
