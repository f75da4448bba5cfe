# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped help documents (data/help/*.doc) against their sources
# (docs/help/*.html): each must be a Word 97-2003 (OLE2) file whose text is the
# source's text word for word, so a document not regenerated with
# script/make-help-docs after a source change fails. Needs catdoc (or
# antiword) when the test runs; without either the text check is skipped.
# Included from tests/info/CMakeLists.txt.
get_filename_component(_help_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
foreach(pair "nl:Nederlands" "en:English")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 code)
  list(GET pair 1 language)
  add_test(NAME HelpDocument.${code}
    COMMAND ${CMAKE_COMMAND}
      "-DDOCUMENT=${_help_root}/data/help/Brontara Help (${language}).doc"
      "-DSOURCE=${_help_root}/docs/help/${code}.html"
      -P ${CMAKE_CURRENT_LIST_DIR}/HelpDocumentsTest.cmake)
  set_tests_properties(HelpDocument.${code} PROPERTIES
    SKIP_REGULAR_EXPRESSION "HELP-DOCS-SKIPPED")
endforeach()
