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

# Hardened: stack cookies and checked string functions, whose run-time (libssp) is linked
# in as the C and C++ run-times are, so the program needs only Windows' own DLLs. It is
# terminal-server aware, and carries no link time, so two builds of one commit are identical.
# Address-space randomisation (high-entropy on 64-bit) and no-execute data are ld's defaults.
set(CMAKE_C_FLAGS_INIT "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_CXX_FLAGS_INIT "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -fstack-protector-strong -Wl,--tsaware,--no-insert-timestamp")
