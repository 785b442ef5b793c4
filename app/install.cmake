# Installation as a desktop program, and the .deb package CPack builds from it.
include(GNUInstallDirs)

set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(VORTALIN_DESKTOP_FILE ${generated}/${VORTALIN_APP_ID}.desktop)
set(VORTALIN_METAINFO_FILE ${generated}/${VORTALIN_APP_ID}.metainfo.xml)
configure_file(vortalin.desktop.in ${VORTALIN_DESKTOP_FILE} @ONLY)
configure_file(vortalin.metainfo.xml.in ${VORTALIN_METAINFO_FILE} @ONLY)

install(TARGETS vortalin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VORTALIN_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VORTALIN_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/pictures/vortalin.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME ${VORTALIN_APP_ID}.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "vortalin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Single-window driving game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vortalin developers <dev@vortalin.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces that stand in for the window's display fonts, and Qt's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
