# 32-bit Windows (the product). Its tests run under 32-bit Wine where the kernel runs 32-bit
# code, and are reported skipped where it does not (cmake/wine-run.sh).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VORTALIN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh win32)
