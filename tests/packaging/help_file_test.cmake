# The help file's copies for Linux and Windows, made from the one source:
# a paragraph marked for one platform stays in that copy alone, without its
# mark; the Windows copy has CR LF line ends; the first line names the
# version the programs show.
#   cmake -DROOT=<source tree> -DVERSION=1.02 -P help_file_test.cmake
include(${ROOT}/cmake/help_file.cmake)

function(expect_equal what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}:\n--- got ---\n${actual}\n--- expected ---\n${expected}")
  endif()
endfunction()

set(sample "${CMAKE_CURRENT_BINARY_DIR}/help_file_sample.txt")
file(WRITE ${sample} "[Windows]\nW first\n\nBoth\n\n[Linux]\nL one\nL two\n\n[Windows]\nW last\n")
brisel_platform_help_text(Linux ${sample} linux)
expect_equal("Linux copy of the sample" "${linux}" "Both\n\nL one\nL two\n")
brisel_platform_help_text(Windows ${sample} windows)
expect_equal("Windows copy of the sample" "${windows}" "W first\r\n\r\nBoth\r\n\r\nW last\r\n")

brisel_help_file_text(Linux ${sample} 12.34 titled)
expect_equal("titled Linux copy" "${titled}" "Brisel 12.34 - Help\n===================\n\nBoth\n\nL one\nL two\n")
brisel_help_file_text(Windows ${sample} 1.02 titled)
expect_equal("titled Windows copy" "${titled}"
             "Brisel 1.02 - Help\r\n==================\r\n\r\nW first\r\n\r\nBoth\r\n\r\nW last\r\n")

foreach(platform Linux Windows)
  brisel_help_file_text(${platform} ${ROOT}/docs/Brisel.txt ${VERSION} text)
  string(REGEX MATCH "^[^\r\n]*" first_line "${text}")
  expect_equal("first line of the ${platform} copy" "${first_line}" "Brisel ${VERSION} - Help")
  if(text MATCHES "\n\\[(Linux|Windows)\\]\r?\n")
    message(FATAL_ERROR "the ${platform} copy keeps a platform mark")
  endif()
endforeach()
brisel_platform_help_text(Windows ${ROOT}/docs/Brisel.txt windows)
foreach(linux_only "hard links" "xdg-open" "permissions" "brisel --help")
  if(windows MATCHES "${linux_only}")
    message(FATAL_ERROR "the Windows copy speaks of ${linux_only}")
  endif()
endforeach()
brisel_platform_help_text(Linux ${ROOT}/docs/Brisel.txt linux)
foreach(windows_only "brisel.exe" "Explorer" "Command Line - Error")
  if(linux MATCHES "${windows_only}")
    message(FATAL_ERROR "the Linux copy speaks of ${windows_only}")
  endif()
endforeach()
message(STATUS "the help file's two copies are as marked")
