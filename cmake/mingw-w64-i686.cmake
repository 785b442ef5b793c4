# 32-bit Windows (the product). This machine cannot run the result: no emulator.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VORTALIN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
