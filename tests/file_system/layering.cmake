# Fails when the engine (convert/) includes more of file_system/ than its
# seam (the files, their streams and the reasons they fail) and the request to
# stop (which an abandoned run makes), or when file_system/ includes a header
# of any folder but its own and common/.
#   cmake -DROOT=<source folder> -P layering.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../support/includes_outside.cmake)
set(seam "file_system/file_system.h" "file_system/byte_stream.h" "file_system/file_reason.h"
  "file_system/interruption.h")
set(broken "")

file(GLOB engine_files ${ROOT}/convert/*.h ${ROOT}/convert/*.cpp)
foreach(file ${engine_files})
  file(STRINGS ${file} includes REGEX "^#include \"file_system/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header IN_LIST seam)
      list(APPEND broken "${file} includes ${header}")
    endif()
  endforeach()
endforeach()

brisel_includes_outside(broken file_system file_system common)

if(broken)
  list(JOIN broken "\n" text)
  message(FATAL_ERROR "Includes across the file-system seam:\n${text}")
endif()
