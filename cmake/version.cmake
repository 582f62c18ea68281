# The version is written once, in project(), and its release date beside it;
# brisel_version hands the version to the code and the Windows resources
# through a header generated into the build tree, and the help file, the
# manual pages and the changelog are generated with both.

function(brisel_zero_padded value width out_var)
  string(LENGTH "${value}" length)
  set(padded "${value}")
  if(length LESS width)
    math(EXPR missing "${width} - ${length}")
    string(REPEAT "0" ${missing} zeros)
    set(padded "${zeros}${value}")
  endif()
  set(${out_var} "${padded}" PARENT_SCOPE)
endfunction()

# As the programs show it: 1.0.2 is "1.02".
set(BRISEL_APP_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
# The Windows file version text: 1.0.2 is "1.00.0002".
brisel_zero_padded(${PROJECT_VERSION_MINOR} 2 minor)
brisel_zero_padded(${PROJECT_VERSION_PATCH} 4 patch)
set(BRISEL_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${patch}")
# The Windows manifest's four numbers: 1.0.2 is 1.0.0.2, as the file version.
set(BRISEL_MANIFEST_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH}")

include(${CMAKE_CURRENT_LIST_DIR}/release_date.cmake)
brisel_changelog_date(${BRISEL_RELEASE_DATE} BRISEL_CHANGELOG_DATE)

set(BRISEL_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brisel_version.h.in ${BRISEL_GENERATED_DIR}/brisel_version.h @ONLY)
add_library(brisel_version INTERFACE)
target_include_directories(brisel_version INTERFACE ${BRISEL_GENERATED_DIR})
if(WIN32)
  # Both programs' resource scripts find the manifest beside the version header.
  set(BRISEL_MANIFEST ${BRISEL_GENERATED_DIR}/brisel.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/resources/brisel.manifest.in ${BRISEL_MANIFEST} @ONLY)
endif()
