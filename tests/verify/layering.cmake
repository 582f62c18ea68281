# Fails when verify/ includes a header of any folder but its own and the
# few it stands on: the pin map, the file-system seam and common/. Above all
# never one of convert/: the check is worth something only while it shares
# no code with the writer it checks.
#   cmake -DROOT=<source folder> -P layering.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/../support/includes_outside.cmake)
set(broken "")
brisel_includes_outside(broken verify verify pin_map file_system common)
if(broken)
  list(JOIN broken "\n" text)
  message(FATAL_ERROR "verify/ reaches beyond the folders it stands on:\n${text}")
endif()
