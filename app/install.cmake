# Installation as a desktop program, and the .deb package CPack builds from it.
include(GNUInstallDirs)

set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
# The release's date, as the metadata, the man pages and the changelog give it: the day of
# the sources (cmake/reproducible.cmake sets SOURCE_DATE_EPOCH, which TIMESTAMP reads).
string(TIMESTAMP VORTALIN_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP VORTALIN_RELEASE_TIME_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(VORTALIN_DEVELOPERS "The vortalin developers")
set(VORTALIN_MAINTAINER "${VORTALIN_DEVELOPERS} <dev@vortalin.example>")

set(VORTALIN_DESKTOP_FILE ${generated}/${VORTALIN_APP_ID}.desktop)
set(VORTALIN_METAINFO_FILE ${generated}/${VORTALIN_APP_ID}.metainfo.xml)
configure_file(vortalin.desktop.in ${VORTALIN_DESKTOP_FILE} @ONLY)
configure_file(vortalin.metainfo.xml.in ${VORTALIN_METAINFO_FILE} @ONLY)

# Games live in games/ beside bin/ (/usr/games in the package).
set(VORTALIN_GAMES_DIR games)
install(TARGETS vortalin vortalin-replay RUNTIME DESTINATION ${VORTALIN_GAMES_DIR})
# A stripped install (CPack's) also drops the compilers' version notes, as Debian's dh_strip.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program vortalin vortalin-replay)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VORTALIN_GAMES_DIR}/\${program}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(FILES ${VORTALIN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VORTALIN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/pictures/vortalin.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME ${VORTALIN_APP_ID}.png)

# The licence as a machine-readable Debian copyright file, made from LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission.*)$")
  message(FATAL_ERROR "LICENSE: no \"Copyright (c)\" line followed by the permission notice")
endif()
set(licence_copyright ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" licence_body)
string(REPLACE "\n\n" "\n.\n" licence_body "${licence_body}")
string(REPLACE "\n" "\n " licence_body " ${licence_body}")
file(CONFIGURE OUTPUT ${generated}/copyright CONTENT [[
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@
Source: @PROJECT_HOMEPAGE_URL@

Files: *
Copyright: @licence_copyright@
License: Expat
@licence_body@
]] @ONLY)

configure_file(changelog.in ${generated}/changelog @ONLY)
configure_file(man/vortalin.6.in ${generated}/vortalin.6 @ONLY)
configure_file(man/vortalin-replay.6.in ${generated}/vortalin-replay.6 @ONLY)
set(compressed)
foreach(doc changelog vortalin.6 vortalin-replay.6)
  add_custom_command(OUTPUT ${generated}/${doc}.gz
                     COMMAND gzip -9 -n -c ${generated}/${doc} > ${generated}/${doc}.gz
                     DEPENDS ${generated}/${doc}
                     COMMENT "Compressing ${doc}")
  list(APPEND compressed ${generated}/${doc}.gz)
endforeach()
add_custom_target(vortalin_documents ALL DEPENDS ${compressed})
install(FILES ${generated}/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${generated}/vortalin.6.gz ${generated}/vortalin-replay.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${VORTALIN_DEVELOPERS})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small single-window driving game")
set(CPACK_PACKAGE_DESCRIPTION [[
A tall picture of a road scrolls down inside a framed view. Your red car
sits near the bottom and is steered with two arrow buttons, while two blue
rival cars drive down the road and come back from the top. Every clock tick
in which your car touches a rival costs a point of energy; only the faster
rival also turns the window red while you touch it. START begins a race,
STOP ends it, and the race ends by itself when the goal comes into view.

The interface is Japanese. The package also holds vortalin-replay, which
plays a script of button presses and clock ticks against the same race rules
without a window and prints the state after every tick as JSON.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VORTALIN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Impact's stand-in; the arrows' face and Qt's Japanese texts are wanted but not needed:
# without Noto the arrows come from the next Japanese face installed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
