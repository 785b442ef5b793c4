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
# CPack dates every member with SOURCE_DATE_EPOCH from its environment, not with the files'
# times, so two builds of one commit give the same zip; in UTC, as a zip's dates are local.
if(DEFINED SOURCE_DATE_EPOCH)
  set(VORTALIN_CPACK_CONFIG ${CMAKE_CURRENT_BINARY_DIR}/generated/cpack_source_date.cmake)
  file(CONFIGURE OUTPUT ${VORTALIN_CPACK_CONFIG} @ONLY CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @SOURCE_DATE_EPOCH@)
endif()
set(ENV{TZ} UTC0)
]])
  set(CPACK_PROJECT_CONFIG_FILE ${VORTALIN_CPACK_CONFIG})
endif()
include(CPack)
