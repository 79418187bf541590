# Installation and the Debian package.
#
#   <prefix>/libexec/calvexa/calvexa            the program
#   <prefix>/libexec/calvexa/CalvexaHelp.html   its help file, found beside it
#   <prefix>/libexec/calvexa/calvexa-print.so   its print module, loaded from beside it
#   <prefix>/bin/calvexa                        relative link to the program
#   <prefix>/share/applications/calvexa.desktop
#   <prefix>/share/icons/hicolor/{scalable,48x48,256x256}/apps/calvexa.{svg,png}
#   <prefix>/share/metainfo/org.example.calvexa.metainfo.xml
#   <prefix>/share/man/man1/calvexa.1.gz
#   <prefix>/share/doc/calvexa/{copyright,changelog.gz}
#   <prefix>/share/doc/calvexa/examples/example-capacity-table.csv
#
# The program looks for its help in the folder of its executable; Qt resolves
# that through the link, so bin/calvexa opens the help in libexec/calvexa.

include(GNUInstallDirs)

set(CALVEXA_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/calvexa)
set(CALVEXA_METAINFO org.example.calvexa.metainfo.xml)
set(CALVEXA_HOMEPAGE https://calvexa.example.org/)
set(CALVEXA_MAINTAINER "The Calvexa developers <maintainers@calvexa.example.org>")
set(_generated ${CMAKE_BINARY_DIR}/install-files)

find_program(CALVEXA_GZIP gzip REQUIRED)

# PNG icons rendered from the SVG with rsvg-convert. Without it the program
# still builds and its tests run; only the icons are not rendered, and
# installing (and so packaging) stops at them with the message below.
find_program(CALVEXA_RSVG_CONVERT rsvg-convert)
set(_icon_svg ${CMAKE_SOURCE_DIR}/resources/pictures/calvexa.svg)
set(_icon_outputs)
if(CALVEXA_RSVG_CONVERT)
  foreach(size 48 256)
    set(_png ${_generated}/icons/${size}x${size}/calvexa.png)
    add_custom_command(OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_generated}/icons/${size}x${size}
      COMMAND ${CALVEXA_RSVG_CONVERT} --width ${size} --height ${size} --output ${_png} ${_icon_svg}
      DEPENDS ${_icon_svg}
      COMMENT "Rendering the ${size} px icon"
      VERBATIM)
    list(APPEND _icon_outputs ${_png})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  set(_no_icons "rsvg-convert renders the PNG icons and was not found; install it with: apt-get install librsvg2-bin")
  message(WARNING "${_no_icons}\nThe program builds without it; installing and packaging stop at the icons.")
  install(CODE "message(FATAL_ERROR \"${_no_icons}\")")
endif()

# The manual page and changelog compressed the way Debian wants them (-n: no
# name or time stamp, so rebuilds are identical).
configure_file(${CMAKE_SOURCE_DIR}/resources/calvexa.1 ${_generated}/man/calvexa.1 @ONLY)
set(_compressed ${_generated}/man/calvexa.1.gz ${_generated}/doc/changelog.gz)
add_custom_command(OUTPUT ${_generated}/man/calvexa.1.gz
  COMMAND ${CALVEXA_GZIP} -9nkf ${_generated}/man/calvexa.1
  DEPENDS ${_generated}/man/calvexa.1
  VERBATIM)
add_custom_command(OUTPUT ${_generated}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/deb/changelog ${_generated}/doc/changelog
  COMMAND ${CALVEXA_GZIP} -9nf ${_generated}/doc/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/deb/changelog
  VERBATIM)
add_custom_target(calvexa_install_files ALL DEPENDS ${_icon_outputs} ${_compressed})

# bin/calvexa: a relative link, so the installed tree can be moved as a whole.
file(RELATIVE_PATH _link_target ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/calvexa/calvexa)
file(MAKE_DIRECTORY ${_generated}/bin)
file(CREATE_LINK ${_link_target} ${_generated}/bin/calvexa SYMBOLIC)

install(TARGETS calvexa RUNTIME DESTINATION ${CALVEXA_PROGRAM_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/help/CalvexaHelp.html DESTINATION ${CALVEXA_PROGRAM_DIR})
# A module, not an executable: read-only, as shared objects are installed.
install(TARGETS calvexa_print LIBRARY DESTINATION ${CALVEXA_PROGRAM_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${_generated}/bin/calvexa DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/calvexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/${CALVEXA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_generated}/man/calvexa.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/deb/copyright ${_generated}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/calvexa)
install(FILES ${CMAKE_SOURCE_DIR}/resources/examples/example-capacity-table.csv
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/calvexa/examples)

# Debian package: "cpack -G DEB" in the build folder makes
# calvexa_<version>_<arch>.deb, installing to /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calvexa)
set(CPACK_PACKAGE_VENDOR "The Calvexa developers")
set(CPACK_PACKAGE_CONTACT "${CALVEXA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for field and oilfield work")
set(CPACK_PACKAGE_DESCRIPTION
    "Calvexa is a desktop engineering calculator. Its main menu opens a unit\n\
converter with 18 groups of units, tank volume windows, annular and pipeline\n\
volume calculators, coating volumes for pipelines, wells and tubes, fuel use,\n\
and a scientific pocket calculator.\n\
\n\
The tank windows give the liquid volume in upright tanks (circular or\n\
elliptical, with a flat, conical, ellipsoidal or spherical bottom), horizontal\n\
tanks (circular or elliptical, with flat, ellipsoidal, conical or guppy ends),\n\
rectangular and spherical tanks, and draw each tank to the sizes typed. Every\n\
tank prints a strapping chart of liquid height against volume in up to\n\
100,000 divisions: its preview pages through the chart and looks up the volume\n\
at any height or the height of any volume, and the chart prints and exports as\n\
CSV or PDF.\n\
\n\
Each window has its own help in the program's viewer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CALVEXA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CALVEXA_HOMEPAGE})
# Libraries from the binary (dpkg-shlibdeps), plus the Liberation fonts that
# the help page names and the chart report is set in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# The installed program test needs BUILD_TESTING, which include(CTest) sets
# later in the top-level file; register it once that file is done.
function(calvexa_add_installed_program_test)
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_test(NAME installed_program
           COMMAND ${CMAKE_COMMAND}
                   -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DSTAGE=${CMAKE_BINARY_DIR}/install-test
                   -DHELP_SOURCE=${CMAKE_SOURCE_DIR}/resources/help/CalvexaHelp.html
                   -DVERSION=${PROJECT_VERSION}
                   -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/InstalledProgramTest.cmake)
  set_tests_properties(installed_program PROPERTIES TIMEOUT 120)
endfunction()
cmake_language(DEFER CALL calvexa_add_installed_program_test)
