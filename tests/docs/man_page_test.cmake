# Renders the manual page with groff and fails on any warning.
# Usage: cmake -DMAN_PAGE=path -P man_page_test.cmake
find_program(GROFF groff)
if(NOT GROFF)
  message(FATAL_ERROR "groff not found (Debian package groff-base)")
endif()
execute_process(
  COMMAND ${GROFF} -man -Tutf8 -ww ${MAN_PAGE}
  OUTPUT_VARIABLE page ERROR_VARIABLE warnings RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff (status ${status}) warned:\n${warnings}")
endif()
# The sections a reader looks for, rendered (groff may bold them).
string(ASCII 8 backspace)
string(REGEX REPLACE ".${backspace}" "" page "${page}")
foreach(section NAME SYNOPSIS DESCRIPTION FILES "THE M_ RENAME" "EXIT STATUS" EXAMPLES)
  if(NOT page MATCHES "\n${section}\n")
    message(FATAL_ERROR "the rendered page has no section ${section}")
  endif()
endforeach()
