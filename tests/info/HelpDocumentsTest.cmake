# SPDX-License-Identifier: GPL-3.0-or-later
# Checks one shipped help document against its source text.
#
#   cmake -DDOCUMENT=<.doc file> -DSOURCE=<.html file> -P HelpDocumentsTest.cmake
#
# 1. The document must be a Word 97-2003 file: an OLE2 compound file, which
#    starts with the bytes D0 CF 11 E0 A1 B1 1A E1 (a renamed text file fails).
# 2. Its text, extracted with catdoc (else antiword), must be the text of the
#    source's headings, paragraphs and list items, word for word. Whitespace
#    and line wrapping do not count; every word does, so a document that was
#    not regenerated after the source changed fails.
# When neither catdoc nor antiword is installed, step 2 cannot run: the script
# prints HELP-DOCS-SKIPPED, which the test registration turns into a skip.
# Either extractor will do; catdoc (Debian package catdoc) is the one expected.
cmake_minimum_required(VERSION 3.25)

foreach(var DOCUMENT SOURCE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "HelpDocumentsTest: -D${var}=... is required")
  endif()
endforeach()
foreach(f "${DOCUMENT}" "${SOURCE}")
  if(NOT EXISTS "${f}" OR IS_DIRECTORY "${f}")
    message(FATAL_ERROR "Missing file: ${f}")
  endif()
endforeach()

# --- 1. OLE2 signature -------------------------------------------------------
file(READ "${DOCUMENT}" signature LIMIT 8 HEX)
string(TOLOWER "${signature}" signature)
if(NOT signature STREQUAL "d0cf11e0a1b11ae1")
  message(FATAL_ERROR
    "${DOCUMENT} is not a Word 97-2003 (OLE2) document: it starts with "
    "'${signature}' instead of d0cf11e0a1b11ae1. Run script/make-help-docs.")
endif()

# --- 2. the document's words against the source's words ------------------------

# Collapses every run of whitespace (a no-break space included) to one blank.
function(normalise_whitespace var)
  set(t "${${var}}")
  string(ASCII 194 160 no_break_space)
  string(ASCII 11 12 vertical_tab_form_feed)
  string(REPLACE "${no_break_space}" " " t "${t}")
  string(REGEX REPLACE "[ \t\r\n${vertical_tab_form_feed}]+" " " t "${t}")
  string(STRIP "${t}" t)
  set(${var} "${t}" PARENT_SCOPE)
endfunction()

# The text a reader sees in the HTML source: the body without comments, inline
# tags dropped in place, block tags turned into blanks, entities decoded.
function(html_text file var)
  file(READ "${file}" html)
  string(FIND "${html}" "<body" start)
  string(FIND "${html}" "</body>" end)
  if(start EQUAL -1 OR end EQUAL -1 OR end LESS start)
    message(FATAL_ERROR "${file}: no <body>...</body>")
  endif()
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${html}" ${start} ${length} html)
  while(TRUE)
    string(FIND "${html}" "<!--" open)
    if(open EQUAL -1)
      break()
    endif()
    string(SUBSTRING "${html}" ${open} -1 rest)
    string(FIND "${rest}" "-->" close)
    if(close EQUAL -1)
      message(FATAL_ERROR "${file}: unterminated comment")
    endif()
    math(EXPR after "${open} + ${close} + 3")
    string(SUBSTRING "${html}" 0 ${open} head)
    string(SUBSTRING "${html}" ${after} -1 tail)
    set(html "${head} ${tail}")
  endwhile()
  string(REGEX REPLACE "</?(a|b|i|em|strong|code|kbd|span|small|sub|sup)( [^>]*)?>" "" html "${html}")
  string(REGEX REPLACE "<[^>]*>" " " html "${html}")
  string(REPLACE "&lt;" "<" html "${html}")
  string(REPLACE "&gt;" ">" html "${html}")
  string(REPLACE "&quot;" "\"" html "${html}")
  string(REPLACE "&#39;" "'" html "${html}")
  string(REGEX MATCH "&[A-Za-z0-9#]+;" unknown "${html}")
  string(REPLACE "&amp;" "&" html "${html}")
  if(unknown AND NOT unknown STREQUAL "&amp;")
    message(FATAL_ERROR "${file}: entity ${unknown} is not understood by this test; write the character itself")
  endif()
  normalise_whitespace(html)
  set(${var} "${html}" PARENT_SCOPE)
endfunction()

# -DHELP_TEXT_TOOL=catdoc, antiword or none picks one by hand (to try the
# other extractor, or the skip); by default the first one installed is used.
if(NOT DEFINED HELP_TEXT_TOOL OR HELP_TEXT_TOOL STREQUAL "catdoc")
  find_program(CATDOC catdoc)
endif()
if(NOT DEFINED HELP_TEXT_TOOL OR HELP_TEXT_TOOL STREQUAL "antiword")
  find_program(ANTIWORD antiword)
endif()
if(CATDOC)
  set(extract "${CATDOC}" -w -d utf-8 "${DOCUMENT}")
elseif(ANTIWORD)
  set(extract "${ANTIWORD}" -w 0 -m UTF-8.txt "${DOCUMENT}")
else()
  message("HELP-DOCS-SKIPPED: neither catdoc nor antiword is installed, so the "
          "text of ${DOCUMENT} cannot be checked (install the catdoc package)")
  return()
endif()

execute_process(COMMAND ${extract}
  RESULT_VARIABLE rc OUTPUT_VARIABLE document_text ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${extract} failed (${rc}): ${errors}")
endif()
normalise_whitespace(document_text)
html_text("${SOURCE}" source_text)

if(source_text STREQUAL "")
  message(FATAL_ERROR "${SOURCE} has no text")
endif()

if(document_text STREQUAL source_text)
  string(REGEX MATCHALL " " blanks "${source_text}")
  list(LENGTH blanks words)
  math(EXPR words "${words} + 1")
  message(STATUS "${DOCUMENT}: OLE2 document, its ${words} words match ${SOURCE}")
  return()
endif()

# Find the first word that differs and show it in context. Characters that
# CMake lists treat specially are masked the same way on both sides.
function(words_of text var)
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "[" "<lbracket>" text "${text}")
  string(REPLACE "]" "<rbracket>" text "${text}")
  string(REPLACE "\\" "<backslash>" text "${text}")
  string(REPLACE " " ";" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
words_of("${document_text}" doc_words)
words_of("${source_text}" src_words)
list(LENGTH doc_words doc_count)
list(LENGTH src_words src_count)
set(index 0)
foreach(d s IN ZIP_LISTS doc_words src_words)
  if(NOT "${d}" STREQUAL "${s}")
    break()
  endif()
  math(EXPR index "${index} + 1")
endforeach()
set(from ${index})
if(from GREATER 6)
  math(EXPR from "${index} - 6")
else()
  set(from 0)
endif()
list(SUBLIST doc_words ${from} 14 doc_context)
list(SUBLIST src_words ${from} 14 src_context)
list(JOIN doc_context " " doc_context)
list(JOIN src_context " " src_context)
message(FATAL_ERROR
  "${DOCUMENT} does not match ${SOURCE}: first difference at word ${index} "
  "(document has ${doc_count} words, source ${src_count}).\n"
  "  document: ... ${doc_context} ...\n"
  "  source:   ... ${src_context} ...\n"
  "Run script/make-help-docs and commit the regenerated document.")
