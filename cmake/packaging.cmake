# Installing the programs with their data files, manual pages and desktop
# integration (`cmake --install build --prefix PREFIX --strip`), and the Debian
# package (`cpack -G DEB` in the build folder, `./build.sh package`).
include(GNUInstallDirs)

# The programs find their data files beside themselves or in
# <executable dir>/../share/tavo; nothing of the build folder is compiled in.
# Another layout would install files the programs never find.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(FATAL_ERROR "The Tavo programs look for their data files in <bin>/../share/tavo: "
                      "CMAKE_INSTALL_BINDIR must be bin and CMAKE_INSTALL_DATADIR share")
endif()

# `tavo --version`, `tavo-panel --version` and `tavo-editor --version`; set on
# the three files that print it so that no other file is compiled again.
set_property(SOURCE src/cli/Cli.cpp src/panel/PanelOptions.cpp src/app/EditorApp.cpp
             APPEND PROPERTY COMPILE_DEFINITIONS TAVO_VERSION="${PROJECT_VERSION}")

set(_tavo_pkg ${CMAKE_SOURCE_DIR}/packaging)
set(TAVO_APP_ID org.tavo.Editor)

# The release the metainfo file announces must be this one.
file(READ ${_tavo_pkg}/${TAVO_APP_ID}.metainfo.xml _tavo_metainfo)
if(NOT _tavo_metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "packaging/${TAVO_APP_ID}.metainfo.xml lists no release ${PROJECT_VERSION}")
endif()

install(TARGETS tavo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tavo-panel)
  install(TARGETS tavo-panel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The font libraries and the protocol file, as the build places them. "In.dat"
# is not shipped: the editor writes it on first use, beside the executable
# when that folder is writable, otherwise in the user's configuration folder.
install(FILES ${TAVO_BIN_DIR}/ormed_EN.dat ${TAVO_BIN_DIR}/ormed_CH.dat ${TAVO_BIN_DIR}/ormed_Ptc.dat
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tavo)

# Manual pages, with the release filled in.
set(_tavo_man_pages tavo tavo-panel)
if(TARGET tavo-editor)
  list(APPEND _tavo_man_pages tavo-editor)
endif()
foreach(_page ${_tavo_man_pages})
  configure_file(${_tavo_pkg}/man/${_page}.1.in ${CMAKE_BINARY_DIR}/man/${_page}.1 @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/man/${_page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The file types go with the programs (tavo reads them too); the menu entry,
# icon and metainfo with the editor.
install(FILES ${_tavo_pkg}/${TAVO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TAVO_APP_ID}.xml)
if(TARGET tavo-editor)
  install(TARGETS tavo-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_tavo_pkg}/${TAVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_tavo_pkg}/${TAVO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_tavo_pkg}/icons/${TAVO_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(_size 16 22 24 32 48 64 128 256)
    install(FILES ${_tavo_pkg}/icons/${TAVO_APP_ID}-${_size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
            RENAME ${TAVO_APP_ID}.png)
  endforeach()
endif()

# The Debian package. Depends comes from the libraries the programs link
# (dpkg-shlibdeps); the programs are stripped, which also drops the build
# folder's paths that the debugging information holds.
set(TAVO_PACKAGE_MAINTAINER "Tavo developers" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TAVO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screen editor for Tavo operator panels")
set(CPACK_PACKAGE_DESCRIPTION
    "The Tavo editor designs the screens of Tavo operator panels (192 x 64\n"
    "monochrome terminals with a keypad beside a PLC), binds their elements to PLC\n"
    "addresses for one of 36 protocols, and compiles and downloads them over a\n"
    "serial line. With the tavo command for scripts and the tavo-panel emulator.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-translations-l10n")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The package is made from the tree as built: cpack builds nothing first
# (benchmarks and tests are not installed anyway).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
