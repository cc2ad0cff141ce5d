# Installing like a Linux desktop program, and the Debian package.
#
#   cmake --install build --prefix /usr      the program, its menu entry,
#                                            AppStream metainfo and icon
#   cpack --config build/CPackConfig.cmake   build/corpimetro_<version>_amd64.deb
include(GNUInstallDirs)

set(CORPIMETRO_APP_ID org.corpimetro.Corpimetro)
set(CORPIMETRO_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(TARGETS corpimetro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CORPIMETRO_PACKAGING}/${CORPIMETRO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CORPIMETRO_PACKAGING}/${CORPIMETRO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CORPIMETRO_PACKAGING}/${CORPIMETRO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corpimetro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Gli sviluppatori di CORPIMETRO <info@corpimetro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcolatore di geometria solida per studenti")
set(CPACK_PACKAGE_DESCRIPTION
    "Calcola aree, volumi e diagonali di cubo, parallelepipedo, cilindro, cono,
piramidi, prismi retti, sfera e parti sferiche, poliedri regolari e volumi
pratici: si spuntano i dati conosciuti e si leggono tutti gli altri, con le
formule applicate.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://corpimetro.org/)
# The shared libraries the program links, as dpkg-shlibdeps finds them, plus
# the Italian texts of Qt's own dialogs as a recommendation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
include(CPack)

if(BUILD_TESTING)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(APPSTREAMCLI appstreamcli)
    # Without the checkers (scripts/setup.sh installs them) the tests stay,
    # and fail, rather than vanish.
    if(NOT DESKTOP_FILE_VALIDATE)
        set(DESKTOP_FILE_VALIDATE desktop-file-validate)
    endif()
    if(NOT APPSTREAMCLI)
        set(APPSTREAMCLI appstreamcli)
    endif()
    add_test(NAME desktop_file_valid COMMAND ${DESKTOP_FILE_VALIDATE}
             ${CORPIMETRO_PACKAGING}/${CORPIMETRO_APP_ID}.desktop)
    add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net
             ${CORPIMETRO_PACKAGING}/${CORPIMETRO_APP_ID}.metainfo.xml)
endif()
