# `make package`: a Debian package of what `cmake --install` puts under /usr. The libraries the
# programs link are found by dpkg-shlibdeps; Qt's platform plugins and its German texts are
# loaded at run time, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulo)
set(CPACK_PACKAGE_VENDOR "Tabulo-Team")
set(CPACK_PACKAGE_CONTACT "Tabulo-Team <tabulo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor für Statusübersicht und Tabellen von Velastat")
set(CPACK_PACKAGE_DESCRIPTION
    "Tabulo bearbeitet die Dateien und einen Teil der Einstellungen des\n\
Statusmonitors Velastat: die Statusübersicht mit 416 Feldern, die\n\
Fahrzeugliste, die Ortskennungen und die Aktionen. tabulo-cli prüft, zeigt,\n\
vergleicht und schreibt dieselben Dateien ohne Fenster.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
