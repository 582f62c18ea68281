# Fails when the engine (convert/) includes more of file_system/ than its
# seam and the request to stop (which an abandoned run makes), or when file_system/ includes a header of any folder but its own and
# common/.
#   cmake -DROOT=<source folder> -P layering.cmake
cmake_minimum_required(VERSION 3.22)
set(seam "file_system/file_system.h" "file_system/byte_stream.h" "file_system/interruption.h")
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

file(GLOB library_files ${ROOT}/file_system/*.h ${ROOT}/file_system/*.cpp)
foreach(file ${library_files})
  file(STRINGS ${file} includes REGEX "^#include \"")
  foreach(line ${includes})
    if(NOT line MATCHES "^#include \"(file_system|common)/")
      list(APPEND broken "${file}: ${line}")
    endif()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n" text)
  message(FATAL_ERROR "Includes across the file-system seam:\n${text}")
endif()
