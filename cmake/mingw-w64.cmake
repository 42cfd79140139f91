# Cross-building for 64-bit Windows with Debian's mingw-w64 (the posix thread
# model, which Qt's own build for Windows uses). Chain-loaded by Qt's
# qt.toolchain.cmake; see scripts/windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOLVENA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOLVENA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOLVENA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOLVENA_MINGW}-windres)
set(CMAKE_OBJDUMP ${TOLVENA_MINGW}-objdump)
set(CMAKE_STRIP ${TOLVENA_MINGW}-strip)
set(CMAKE_FIND_ROOT_PATH /usr/${TOLVENA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
