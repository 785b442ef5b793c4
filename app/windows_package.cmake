# The Windows download: `cpack -G ZIP` in the build folder makes
# vortalin-VERSION-win32.zip (win64 for a 64-bit build) with the program, a short read-me,
# the licence and the notices of what the program carries from others.
set(VORTALIN_WINDOWS_README ${CMAKE_CURRENT_BINARY_DIR}/generated/README.txt)
configure_file(windows_readme.txt.in ${VORTALIN_WINDOWS_README} @ONLY NEWLINE_STYLE CRLF)
install(TARGETS vortalin RUNTIME DESTINATION .)
install(FILES ${VORTALIN_WINDOWS_README} ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt
        DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "vortalin developers")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_SYSTEM_NAME win64)
endif()
# A zip's member dates are local times: CPack packs in UTC, beside the source date it takes
# from the project's CPack settings, so the zip is the same in any time zone.
set(VORTALIN_ZIP_CONFIG ${CMAKE_CURRENT_BINARY_DIR}/generated/cpack_zip.cmake)
file(CONFIGURE OUTPUT ${VORTALIN_ZIP_CONFIG} @ONLY CONTENT [[
include("@CPACK_PROJECT_CONFIG_FILE@")
set(ENV{TZ} UTC0)
]])
set(CPACK_PROJECT_CONFIG_FILE ${VORTALIN_ZIP_CONFIG})
include(CPack)
