# The Debian package (cpack -G DEB, or scripts/pakiet.sh): ramvel and
# ramvel-archiwum in /usr/bin, the desktop entry and its icon.
install(FILES ${CMAKE_SOURCE_DIR}/dist/ramvel.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/ramvel.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ramvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ramvel <ramvel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "odtwarzanie danych firmy programu Morvanta PRO z kopii zapasowej")
set(CPACK_PACKAGE_DESCRIPTION
  "Ramvel odtwarza dane jednej firmy programu Morvanta PRO z kopii zapasowej\n(archiwum KVR albo ZIP) przez lokalny serwer Firebird, w oknie albo w terminalu.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps finds the libraries the programs link (Qt, the Firebird
# client, zlib), with their versions; no link shows Qt's platform plugins,
# which the window needs. Without dpkg-shlibdeps the list names them all.
find_program(RAMVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RAMVEL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6, libqt6gui6, libqt6core6, qt6-qpa-plugins, libfbclient2, zlib1g, libstdc++6, libgcc-s1, libc6")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "firebird3.0-server, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
