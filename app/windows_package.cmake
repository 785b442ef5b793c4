# The Windows download: `cpack -G ZIP` in the build folder makes
# vortalin-1.0.0-win32.zip (win64 for a 64-bit build) with the program and a short read-me.
set(VORTALIN_WINDOWS_README ${CMAKE_CURRENT_BINARY_DIR}/generated/README.txt)
configure_file(windows_readme.txt.in ${VORTALIN_WINDOWS_README} @ONLY NEWLINE_STYLE CRLF)
install(TARGETS vortalin RUNTIME DESTINATION .)
install(FILES ${VORTALIN_WINDOWS_README} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "vortalin developers")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_SYSTEM_NAME win64)
endif()
include(CPack)
