# Checks that the OPTIONS section of a manual page describes every option
# that the program's --help lists.
#   cmake -DPROGRAM=<program> -DPAGE=<page.1> -P man_page_options.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help exited with ${status}")
endif()

# Option lines start with two spaces and a dash; the names end at the gap
# before their description.
string(REGEX MATCHALL "\n  -[^\n]*" option_lines "${help}")
set(options)
foreach(line IN LISTS option_lines)
  string(REGEX REPLACE "^\n  ([^ ,]+(, [^ ,]+)*).*" "\\1" names "${line}")
  string(REGEX MATCHALL "-[-A-Za-z]+" found "${names}")
  list(APPEND options ${found})
endforeach()
if(NOT options)
  message(FATAL_ERROR "${PROGRAM} --help lists no options")
endif()

file(READ ${PAGE} page)
set(heading "\n.SH OPTIONS\n")
string(FIND "${page}" "${heading}" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no OPTIONS section")
endif()
string(LENGTH "${heading}" length)
math(EXPR start "${start} + ${length}")
string(SUBSTRING "${page}" ${start} -1 section)
string(REGEX REPLACE "\n\\.SH .*" "" section "${section}")
string(REPLACE "\\-" "-" section "${section}")
string(REGEX REPLACE "\\\\f[BIRP]" "" section "${section}")

set(missing)
foreach(option IN LISTS options)
  if(NOT section MATCHES "[^-A-Za-z]${option}[^-A-Za-z]")
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "OPTIONS of ${PAGE} lacks: ${missing}")
endif()
message(STATUS "OPTIONS of ${PAGE} describes ${options}")
