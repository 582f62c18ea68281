# BRISEL_BUILD_FUZZ: every target is built with the sanitizers and libFuzzer's
# coverage instrumentation, so that the fuzz target sees into the engine.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "libFuzzer needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(BRISEL_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
add_compile_options(-g -O1 ${BRISEL_SANITIZERS} -fsanitize=fuzzer-no-link)
add_link_options(${BRISEL_SANITIZERS})
