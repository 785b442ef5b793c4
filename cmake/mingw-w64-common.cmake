# Shared by the MinGW-w64 toolchain files: Debian's cross compilers with the win32 thread
# model. Set VORTALIN_MINGW_TRIPLE before including this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VORTALIN_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VORTALIN_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${VORTALIN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORTALIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ run-times are linked in: the program needs only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
