# The help file, Brisel.txt, for one platform from the one source in docs/,
# under a title that names the version the programs show: a paragraph whose first line is "[Linux]" or "[Windows]" is kept, without
# that line, in the copy for that platform only. The Windows copy has CR LF
# line ends: older Notepads show a file of bare LF line ends as one line.
#   brisel_write_help_file(Linux|Windows OUTPUT)   at configure time, or
#   cmake -DPLATFORM=... -DSOURCE=... -DVERSION=... -DOUTPUT=... -P cmake/help_file.cmake

function(brisel_platform_help_text platform source out_var)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  set(text "\n${text}")
  foreach(other Linux Windows)
    if(other STREQUAL platform)
      string(REPLACE "\n[${other}]\n" "\n" text "${text}")
    else()
      string(REGEX REPLACE "\n\\[${other}\\]\n[^\n]+(\n[^\n]+)*\n" "" text "${text}")
    endif()
  endforeach()
  string(SUBSTRING "${text}" 1 -1 text)
  if(platform STREQUAL "Windows")
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# The whole file: "Brisel 1.02 - Help", underlined, then the platform's text.
function(brisel_help_file_text platform source version out_var)
  set(title "Brisel ${version} - Help")
  string(LENGTH "${title}" length)
  string(REPEAT "=" ${length} rule)
  set(line_end "\n")
  if(platform STREQUAL "Windows")
    set(line_end "\r\n")
  endif()
  brisel_platform_help_text(${platform} ${source} text)
  set(${out_var} "${title}${line_end}${rule}${line_end}${line_end}${text}" PARENT_SCOPE)
endfunction()

function(brisel_write_help_file platform output)
  set(source ${PROJECT_SOURCE_DIR}/docs/Brisel.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  brisel_help_file_text(${platform} ${source} ${BRISEL_APP_VERSION} text)
  file(WRITE ${output} "${text}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  brisel_help_file_text(${PLATFORM} ${SOURCE} ${VERSION} text)
  file(WRITE ${OUTPUT} "${text}")
endif()
