# Given as CMAKE_PROJECT_INCLUDE, adds the reliability tests to a build whose
# tests/CMakeLists.txt does not list them yet, once every other target exists.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL cmake_language EVAL CODE [[
  if(BRISEL_BUILD_TESTS AND NOT TARGET brisel_reliability_tests)
    include(${CMAKE_SOURCE_DIR}/tests/reliability/CMakeLists.txt)
  endif()
]])
