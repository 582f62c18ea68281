# The changelog's date from the release date: the weekday across month ends,
# leap days and the century years that are not leap years.
#   cmake -DROOT=<source tree> -P release_date_test.cmake
include(${ROOT}/cmake/release_date.cmake)

foreach(row
    "2026-12-07|Mon, 07 Dec 2026 12:00:00 +0000"
    "2024-02-29|Thu, 29 Feb 2024 12:00:00 +0000"
    "2023-01-31|Tue, 31 Jan 2023 12:00:00 +0000"
    "2000-01-01|Sat, 01 Jan 2000 12:00:00 +0000"
    "2100-03-01|Mon, 01 Mar 2100 12:00:00 +0000")
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 iso)
  list(GET row 1 expected)
  brisel_changelog_date(${iso} actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${iso}: got '${actual}', expected '${expected}'")
  endif()
endforeach()
message(STATUS "the changelog dates are right")
