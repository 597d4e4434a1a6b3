# Installation and the Debian package of the program.
#
#   cmake --install  ──► bin/humidity-calc, bin/humidity-calc-cli
#                        share/man/man1/humidity-calc{,-cli}.1.gz (plain without gzip)
#                        share/doc/humidity-calc/{changelog.gz,copyright}
#                        share/metainfo/example.hengpu.humidity_calc.metainfo.xml
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

# The manual pages, with the project's version filled in and compressed as
# Debian keeps them (-n: no name or time stamp, so that the same source
# gives the same bytes); so is the changelog.
set(HC_MAN_DIR ${CMAKE_BINARY_DIR}/man)
find_program(HC_GZIP gzip)
function(hc_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  if(NOT HC_GZIP)
    install(FILES ${source} DESTINATION ${destination})
    return()
  endif()
  add_custom_command(OUTPUT ${source}.gz
                     COMMAND ${HC_GZIP} -9 -n -k -f ${source}
                     DEPENDS ${source}
                     VERBATIM)
  add_custom_target(${name}-gz ALL DEPENDS ${source}.gz)
  install(FILES ${source}.gz DESTINATION ${destination})
endfunction()
foreach(page ${PROJECT_SOURCE_DIR}/cli/humidity-calc-cli.1 ${HC_PACKAGING_DIR}/humidity-calc.1)
  get_filename_component(name ${page} NAME)
  configure_file(${page} ${HC_MAN_DIR}/${name} @ONLY)
  hc_install_compressed(${HC_MAN_DIR}/${name} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
set(HC_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${HC_PACKAGE_NAME})
configure_file(${HC_PACKAGING_DIR}/debian/changelog ${HC_MAN_DIR}/changelog COPYONLY)
hc_install_compressed(${HC_MAN_DIR}/changelog ${HC_DOC_DIR})
install(FILES ${HC_PACKAGING_DIR}/debian/copyright DESTINATION ${HC_DOC_DIR})
# Software centres list the program from its AppStream file.
install(FILES ${HC_PACKAGING_DIR}/example.hengpu.humidity_calc.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
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
# whose captions no longer fit, and message-box buttons in English; the
# hyperlink box falls back on sensible-browser to open a link.
set(HC_RUNTIME_DATA_PACKAGES "fonts-arphic-uming, qt6-translations-l10n, sensible-utils")
# The libraries the program links, for systems without dpkg-shlibdeps.
set(HC_LINKED_LIBRARY_PACKAGES
    "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, libjpeg62-turbo")

set(CPACK_PACKAGE_NAME ${HC_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${HC_VENDOR})
# A comma would split the Maintainer field into two names without address,
# so the vendor's name without its "Co., Ltd." stands there.
set(CPACK_PACKAGE_CONTACT "Hengpu Technology <${HC_CONTACT}>")
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
