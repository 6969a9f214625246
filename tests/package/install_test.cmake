# cmake --install with DESTDIR into a scratch folder: the program lands in
# bin/, its manual page in share/man/man1/, and the installed program runs.
# Usage: cmake -DBUILD_DIR=build -DWORK_DIR=scratch -P install_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/check_help.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
set(root "${WORK_DIR}/root")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr/local
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()
if(NOT EXISTS "${root}/usr/local/share/man/man1/ombrelta.1")
  message(FATAL_ERROR "the manual page was not installed:\n${out}")
endif()
check_help("${root}/usr/local/bin/ombrelta")
file(REMOVE_RECURSE "${WORK_DIR}")
