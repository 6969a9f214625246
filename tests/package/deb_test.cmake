# cpack -G DEB builds a Debian package holding the program and its manual
# page; unpacked with dpkg-deb -x (never installed into the system), the
# program runs.
# Usage: cmake -DBUILD_DIR=build -DWORK_DIR=scratch -P deb_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/check_help.cmake)

function(run)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG_DEB)
  message(FATAL_ERROR "dpkg-deb not found")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR})
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${packages}")
endif()

run(${DPKG_DEB} -c ${packages})
foreach(file ./usr/bin/ombrelta ./usr/share/man/man1/ombrelta.1)
  if(NOT out MATCHES " ${file}\n")
    message(FATAL_ERROR "the package does not hold ${file}:\n${out}")
  endif()
endforeach()

run(${DPKG_DEB} -f ${packages} Package Section Maintainer Description)
foreach(field "Package: ombrelta" "Section: " "Maintainer: " "Description: ")
  if(NOT out MATCHES "${field}")
    message(FATAL_ERROR "the package's control has no '${field}':\n${out}")
  endif()
endforeach()

run(${DPKG_DEB} -x ${packages} ${WORK_DIR}/root)
check_help("${WORK_DIR}/root/usr/bin/ombrelta")
file(REMOVE_RECURSE "${WORK_DIR}")
