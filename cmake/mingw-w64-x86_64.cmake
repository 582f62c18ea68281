# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix). The posix-threads compiler is the one whose
# libstdc++ has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRISEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRISEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRISEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BRISEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRISEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the programs then need only the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and the build run the programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
