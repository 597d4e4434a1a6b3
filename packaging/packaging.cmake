# Installation and the Debian package of the program.
#
#   cmake --install  ──► bin/humidity-calc, bin/humidity-calc-cli
#                        share/man/man1/humidity-calc-cli.1.gz (plain without gzip)
#                        share/applications/humidity-calc.desktop
#                        share/icons/hicolor/{32,48,64,128,256}x…/apps/humidity-calc.png
#                        share/icons/hicolor/scalable/apps/humidity-calc.svg
#   cpack -G DEB     ──► humidity-calc_<version>_<arch>.deb holding the same tree under /usr
#
# The package depends on the shared libraries the program links (found by
# dpkg-shlibdeps where it exists) and on the data it needs at run time but
# does not link: the Song-style font that the forms are laid out for and Qt's
# Simplified Chinese translations.
if(NOT TARGET humidity-calc)
  return()
endif()
include(GNUInstallDirs)

set(HC_PACKAGE_NAME humidity-calc)
set(HC_ICON_SIZES 32 48 64 128 256)
set(HC_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS humidity-calc humidity-calc-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The command line's manual page, with the project's version filled in and
# compressed as Debian keeps manual pages (-n: no name or time stamp, so that
# the same source gives the same bytes).
set(HC_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(HC_CLI_MAN_PAGE ${HC_MAN_DIR}/humidity-calc-cli.1)
configure_file(${PROJECT_SOURCE_DIR}/cli/humidity-calc-cli.1 ${HC_CLI_MAN_PAGE} @ONLY)
find_program(HC_GZIP gzip)
if(HC_GZIP)
  add_custom_command(OUTPUT ${HC_CLI_MAN_PAGE}.gz
                     COMMAND ${HC_GZIP} -9 -n -k -f ${HC_CLI_MAN_PAGE}
                     DEPENDS ${HC_CLI_MAN_PAGE}
                     VERBATIM)
  add_custom_target(humidity-calc-cli-man ALL DEPENDS ${HC_CLI_MAN_PAGE}.gz)
  install(FILES ${HC_CLI_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  install(FILES ${HC_CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${HC_PACKAGING_DIR}/${HC_PACKAGE_NAME}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS HC_ICON_SIZES)
  install(FILES ${HC_PACKAGING_DIR}/icons/${HC_PACKAGE_NAME}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HC_PACKAGE_NAME}.png)
endforeach()
install(FILES ${HC_PACKAGING_DIR}/icons/${HC_PACKAGE_NAME}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Without these the program starts with boxes for every Chinese glyph, forms
# whose captions no longer fit, and message-box buttons in English.
set(HC_RUNTIME_DATA_PACKAGES "fonts-arphic-uming, qt6-translations-l10n")
# The libraries the program links, for systems without dpkg-shlibdeps.
set(HC_LINKED_LIBRARY_PACKAGES
    "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, libjpeg62-turbo")

set(CPACK_PACKAGE_NAME ${HC_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${HC_VENDOR})
set(CPACK_PACKAGE_CONTACT "${HC_VENDOR} <${HC_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "humidity conversion calculator with pressure units and a lunar calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator for humidity engineering. From one known moisture\n"
    "quantity (dew or frost point, relative humidity, ppm, g/m3, mg/m3 or g/kg)\n"
    "and the gas temperature it computes every other quantity at standard\n"
    "pressure and after a gauge-pressure conversion. It also converts pressures\n"
    "between seven units and shows a Chinese lunar month calendar with the\n"
    "24 solar terms. The user interface is Simplified Chinese. The command\n"
    "humidity-calc-cli gives the same conversions, the lunar calendar and\n"
    "batches of humidity conversions from CSV files in a terminal.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://hengpu.example")
find_program(HC_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HC_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${HC_RUNTIME_DATA_PACKAGES})
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${HC_LINKED_LIBRARY_PACKAGES}, ${HC_RUNTIME_DATA_PACKAGES}")
endif()

# A hyperlink box hands its link to xdg-open when the desktop's own handler
# cannot take it; without it the browsers the user names are tried.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

set(CPACK_GENERATOR DEB)
include(CPack)
