# check_help(PROGRAM): runs an installed ombrelta with -? and checks that it
# prints the banner first and ends with exit status 1.
set(OMBRELTA_BANNER "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software")

function(check_help program)
  if(NOT EXISTS "${program}")
    message(FATAL_ERROR "${program} was not installed")
  endif()
  execute_process(COMMAND "${program}" -? OUTPUT_VARIABLE out RESULT_VARIABLE status)
  string(FIND "${out}" "\n" end)
  string(SUBSTRING "${out}" 0 ${end} first_line)
  if(NOT status EQUAL 1 OR NOT first_line STREQUAL OMBRELTA_BANNER)
    message(FATAL_ERROR "${program} -? gave status ${status} and the first line '${first_line}'")
  endif()
endfunction()
