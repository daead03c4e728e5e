# Desktop integration and the Debian package: what `cmake --install` puts
# where (GNUInstallDirs): the program, the desktop entry, the icons in the
# hicolor theme and the AppStream metainfo; and CPack's DEB generator.
# Included last by the top-level CMakeLists.txt, when the targets exist.
include(GNUInstallDirs)

# The desktop entry, the icons and the metainfo are named by OTPOR_APP_ID
# (top-level CMakeLists.txt).
set(OTPOR_EXECUTABLE "otpor-rezanja")
set(OTPOR_DEVELOPER_NAME "Otpor rezanja")
set(OTPOR_RELEASE_DATE "2025-01-15")
# The project has no licence file yet: until it has one, nothing is granted.
set(OTPOR_PROJECT_LICENSE "LicenseRef-proprietary")
# The project's public home, where the README's screenshot is served from.
# AppStream wants web addresses here; these are where the project would live
# under the id above, to be confirmed once it is published.
set(OTPOR_HOMEPAGE_URL "https://github.com/otporrezanja/otpor-rezanja")
set(OTPOR_SCREENSHOT_URL
    "https://raw.githubusercontent.com/otporrezanja/otpor-rezanja/main/docs/screenshot.png")

add_subdirectory(packaging)

set(_desktop_file "${PROJECT_BINARY_DIR}/packaging/${OTPOR_APP_ID}.desktop")
set(_metainfo_file "${PROJECT_BINARY_DIR}/packaging/${OTPOR_APP_ID}.metainfo.xml")
configure_file(packaging/otpor-rezanja.desktop.in "${_desktop_file}" @ONLY)
configure_file(packaging/otpor-rezanja.metainfo.xml.in "${_metainfo_file}" @ONLY)

install(TARGETS otpor-rezanja RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET otpor-rezanja-calc)
  install(TARGETS otpor-rezanja-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES "${_desktop_file}" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${_metainfo_file}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS OTPOR_ICON_SIZES)
  install(FILES app/icons/otpor-rezanja-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${OTPOR_APP_ID}.png)
endforeach()

# The Debian package: `cpack -G DEB` in a build folder (scripts/package does it all).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "otpor-rezanja")
set(CPACK_PACKAGE_VENDOR "${OTPOR_DEVELOPER_NAME}")
set(CPACK_PACKAGE_CONTACT "Otpor rezanja <otpor-rezanja@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulation of the cutting resistance in turning")
# One string: a semicolon would split a CMake list. Lines under 80 columns, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION "\
A student sets the geometry of the turning tool, the cutting regime and the
work and tool materials. The program animates external longitudinal turning
with the three components of the cutting resistance drawn at the cutting edge,
and plots their history on an oscillograph chart. The user interface is in
Serbian.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${OTPOR_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free faces that stand in for "Arial", "Tahoma" and "MS Sans Serif"; the
# program runs without them, with other text metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
