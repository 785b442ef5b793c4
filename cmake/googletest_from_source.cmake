# GoogleTest built from Debian's source (package googletest) for a cross build: Debian's
# binaries are for the host only. Not our code: its warnings are not ours to fix.
set(VORTALIN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS ${VORTALIN_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest source in ${VORTALIN_GOOGLETEST_SOURCE}: "
                      "run scripts/install-deps.sh windows")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VORTALIN_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock gmock_main)
  target_compile_options(${library} PRIVATE -w)
endforeach()
if(MINGW)
  target_include_directories(gtest BEFORE PUBLIC ${CMAKE_CURRENT_LIST_DIR}/googletest_mingw)
endif()
