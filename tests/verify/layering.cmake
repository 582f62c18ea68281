# Fails when verify/ includes a header of any folder but its own and the
# few it stands on: the pin map, the file-system seam and common/. Above all
# never one of convert/: the check is worth something only while it shares
# no code with the writer it checks.
#   cmake -DROOT=<source folder> -P layering.cmake
cmake_minimum_required(VERSION 3.22)
set(broken "")

file(GLOB files ${ROOT}/verify/*.h ${ROOT}/verify/*.cpp)
foreach(file ${files})
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(verify|pin_map|file_system|common)/")
      list(APPEND broken "${file}: ${line}")
    endif()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n" text)
  message(FATAL_ERROR "verify/ reaches beyond the folders it stands on:\n${text}")
endif()
