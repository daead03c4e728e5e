# Desktop integration and the Debian package: what `cmake --install` puts
# where (GNUInstallDirs): the programs and their manual pages, the desktop
# entry, the icons in the hicolor theme, the AppStream metainfo, the copyright
# and the package's history; and CPack's DEB generator.
# Included last by the top-level CMakeLists.txt, when the targets exist.
include(GNUInstallDirs)

# The desktop entry, the icons and the metainfo are named by OTPOR_APP_ID
# (top-level CMakeLists.txt).
set(OTPOR_EXECUTABLE "otpor-rezanja")
set(OTPOR_DEVELOPER_NAME "Otpor rezanja")
set(OTPOR_PROJECT_LICENSE "GPL-3.0-or-later")

# The package's history is the one source of its revision, its release date
# and its maintainer; its first entry must be this version.
set(_changelog "${PROJECT_SOURCE_DIR}/packaging/debian/changelog")
file(STRINGS "${_changelog}" _changelog_lines)
list(GET _changelog_lines 0 _changelog_head)
if(NOT _changelog_head MATCHES "^otpor-rezanja \\(([^)]+)-([0-9]+)\\) ")
  message(FATAL_ERROR "${_changelog}: the first line names no Debian version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${_changelog}: the newest entry is ${CMAKE_MATCH_1}, the project ${PROJECT_VERSION}")
endif()
set(OTPOR_DEBIAN_REVISION "${CMAKE_MATCH_2}")
foreach(_line IN LISTS _changelog_lines)
  if(_line MATCHES "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(OTPOR_MAINTAINER "${CMAKE_MATCH_1}")
    set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND _months "${CMAKE_MATCH_3}" _month)
    math(EXPR _month "${_month} + 1" OUTPUT_FORMAT DECIMAL)
    string(LENGTH "${_month}" _digits)
    if(_digits EQUAL 1)
      set(_month "0${_month}")
    endif()
    set(OTPOR_RELEASE_DATE "${CMAKE_MATCH_4}-${_month}-${CMAKE_MATCH_2}")
    break()
  endif()
endforeach()
if(NOT OTPOR_RELEASE_DATE)
  message(FATAL_ERROR "${_changelog}: the newest entry has no maintainer line")
endif()
# The same day as a time stamp, for the tools that date what they write.
execute_process(COMMAND date -u -d "${OTPOR_RELEASE_DATE}" +%s
  OUTPUT_VARIABLE _release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

add_subdirectory(packaging)

set(_desktop_file "${PROJECT_BINARY_DIR}/packaging/${OTPOR_APP_ID}.desktop")
set(_metainfo_file "${PROJECT_BINARY_DIR}/packaging/${OTPOR_APP_ID}.metainfo.xml")
configure_file(packaging/otpor-rezanja.desktop.in "${_desktop_file}" @ONLY)
configure_file(packaging/otpor-rezanja.metainfo.xml.in "${_metainfo_file}" @ONLY)

# What Debian keeps beside every package: the copyright in the machine-readable
# format, the package's history and the manual pages, compressed as Debian
# compresses them (gzip -9n: no name, no time stamp). The calculator's page is
# made from its own --help and --version, so that the two never disagree.
set(_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/${CMAKE_PROJECT_NAME}")
set(_gz_dir "${PROJECT_BINARY_DIR}/packaging/gz")
set(_man_pages "${_gz_dir}/otpor-rezanja.1.gz")
configure_file(packaging/man/otpor-rezanja.1.in "${PROJECT_BINARY_DIR}/packaging/otpor-rezanja.1" @ONLY)
set(_gzip_to sh -c "gzip -9n -c \"$0\" >\"$1\"")
add_custom_command(OUTPUT "${_gz_dir}/changelog.Debian.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_gz_dir}"
  COMMAND ${_gzip_to} "${_changelog}" "${_gz_dir}/changelog.Debian.gz"
  DEPENDS "${_changelog}" VERBATIM)
add_custom_command(OUTPUT "${_gz_dir}/otpor-rezanja.1.gz"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_gz_dir}"
  COMMAND ${_gzip_to} "${PROJECT_BINARY_DIR}/packaging/otpor-rezanja.1" "${_gz_dir}/otpor-rezanja.1.gz"
  DEPENDS "${PROJECT_BINARY_DIR}/packaging/otpor-rezanja.1" VERBATIM)
if(TARGET otpor-rezanja-calc AND NOT CMAKE_CROSSCOMPILING)
  find_program(OTPOR_HELP2MAN help2man REQUIRED)
  set(_calc_page "${PROJECT_BINARY_DIR}/packaging/otpor-rezanja-calc.1")
  add_custom_command(OUTPUT "${_gz_dir}/otpor-rezanja-calc.1.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_gz_dir}"
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${_release_epoch}
            ${OTPOR_HELP2MAN} --no-info --section=1 --no-discard-stderr
            "--name=cutting forces of the turning simulation, as text"
            "--include=${PROJECT_SOURCE_DIR}/packaging/man/otpor-rezanja-calc.h2m"
            "--output=${_calc_page}" $<TARGET_FILE:otpor-rezanja-calc>
    COMMAND ${_gzip_to} "${_calc_page}" "${_gz_dir}/otpor-rezanja-calc.1.gz"
    DEPENDS otpor-rezanja-calc "${PROJECT_SOURCE_DIR}/packaging/man/otpor-rezanja-calc.h2m"
    COMMENT "Writing the calculator's manual page from its --help"
    VERBATIM)
  list(APPEND _man_pages "${_gz_dir}/otpor-rezanja-calc.1.gz")
endif()
add_custom_target(debian_docs ALL DEPENDS "${_gz_dir}/changelog.Debian.gz" ${_man_pages})

install(TARGETS otpor-rezanja RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(_programs otpor-rezanja)
if(TARGET otpor-rezanja-calc)
  install(TARGETS otpor-rezanja-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  list(APPEND _programs otpor-rezanja-calc)
endif()
# A stripped install (CPack strips) also drops the compiler's notes, as Debian's
# dh_strip does: they say nothing to the user and vary between builds.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program ${_programs})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(FILES "${_desktop_file}" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${_metainfo_file}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS OTPOR_ICON_SIZES)
  install(FILES app/icons/otpor-rezanja-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${OTPOR_APP_ID}.png)
endforeach()
install(FILES app/icons/otpor-rezanja.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${OTPOR_APP_ID}.svg)
install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/debian/copyright "${_gz_dir}/changelog.Debian.gz" DESTINATION ${_doc_dir})
# Each override carries its reason on the line above it.
install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CMAKE_PROJECT_NAME})

# The Debian package: `cpack -G DEB` in a build folder (scripts/package does it all).
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "otpor-rezanja")
set(CPACK_PACKAGE_VENDOR "${OTPOR_DEVELOPER_NAME}")
set(CPACK_PACKAGE_CONTACT "${OTPOR_MAINTAINER}")
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
set(CPACK_DEBIAN_PACKAGE_RELEASE ${OTPOR_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The free faces that stand in for "Arial", "Tahoma" and "MS Sans Serif": the
# look and the text metrics rely on them. CPack adds the libraries' packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
