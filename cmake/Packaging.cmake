# Debian packages "korav" and "pelin", one per install component. Their
# library dependencies come from dpkg-shlibdeps, so they follow whatever the
# programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL korav pelin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ruvo Zeiterfassung <zeiterfassung@localhost>")
set(CPACK_PACKAGE_VENDOR ruvo)
set(CPACK_DEBIAN_KORAV_PACKAGE_NAME korav)
set(CPACK_DEBIAN_PELIN_PACKAGE_NAME pelin)
set(CPACK_COMPONENT_KORAV_DESCRIPTION
  "Verwaltungsprogramm der Zeiterfassung\nMitarbeiter, Projekte und Taetigkeiten verwalten, PELIN-Basisdaten bereitstellen,\nMonatsdateien einsammeln und auswerten; mit Befehlen ohne Fenster.")
set(CPACK_COMPONENT_PELIN_DESCRIPTION
  "Erfassungsprogramm der Zeiterfassung\nArbeitszeit und Projektzeit der Mitarbeiter erfassen.")
set(CPACK_STRIP_FILES ON)
include(CPack)
