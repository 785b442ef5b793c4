# 64-bit Windows: the same sources, their tests run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VORTALIN_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh win64)
