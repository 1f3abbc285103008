# Cross-compiles for 64-bit Windows with Debian's MinGW-w64. The POSIX-thread variant is the one
# whose C++ library has std::thread and std::mutex, which Qt and GoogleTest need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PELMORA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PELMORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELMORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELMORA_MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the Windows side only, so a host library of the
# same name is never picked up; programs (moc, rcc, the compilers) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${PELMORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests built here run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
