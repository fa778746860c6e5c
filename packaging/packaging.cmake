# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules (GNUInstallDirs) and the Debian package (cpack -G DEB).
#   cmake --install build --prefix /usr/local       installs the game
#   (cd build && cpack -G DEB)                      makes parlavinto_<version>_<arch>.deb
# The executable goes to games/, as Debian's policy wants for games; set
# CMAKE_INSTALL_BINDIR=bin for another layout. The desktop entry calls it by
# its full path, so the menu finds it whatever the session's PATH is.

# CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DOCDIR get their defaults at the top
# of CMakeLists.txt, before any package includes GNUInstallDirs.
include(GNUInstallDirs)

set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/parlavinto.metainfo.xml.in
               ${PACKAGING_OUT}/${PARLAVINTO_APP_ID}.metainfo.xml @ONLY)

# Man pages and the changelog are installed compressed (gzip -n: no time stamp, so the package is reproducible).
set(COMPRESSED_DOCS)
foreach(page parlavinto.6 de/parlavinto.6 changelog)
  set(out ${PACKAGING_OUT}/gz/${page}.gz)
  get_filename_component(dir ${out} DIRECTORY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND gzip -n -9 -c ${CMAKE_CURRENT_LIST_DIR}/${page} > ${out}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${page}
    COMMENT "Compressing ${page}")
  list(APPEND COMPRESSED_DOCS ${out})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${COMPRESSED_DOCS})

install(TARGETS parlavinto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry names the executable by its full path, known only when
# installing (cmake --install --prefix, or cpack's /usr), so it is written then.
install(CODE "
  set(bindir \"${CMAKE_INSTALL_BINDIR}\")
  if(NOT IS_ABSOLUTE \"\${bindir}\")
    set(bindir \"\${CMAKE_INSTALL_PREFIX}/\${bindir}\")
  endif()
  set(CMAKE_INSTALL_FULL_BINDIR \"\${bindir}\")
  set(PARLAVINTO_APP_ID \"${PARLAVINTO_APP_ID}\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/parlavinto.desktop.in\"
                 \"${PACKAGING_OUT}/install/${PARLAVINTO_APP_ID}.desktop\" @ONLY)
  file(INSTALL \"${PACKAGING_OUT}/install/${PARLAVINTO_APP_ID}.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
install(FILES ${PACKAGING_OUT}/${PARLAVINTO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PACKAGING_OUT}/gz/parlavinto.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PACKAGING_OUT}/gz/de/parlavinto.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
install(FILES ${CMAKE_SOURCE_DIR}/assets/Sonst/Parlavinto.pdf ${CMAKE_SOURCE_DIR}/README.md
        ${CMAKE_CURRENT_LIST_DIR}/copyright ${PACKAGING_OUT}/gz/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# ---------------------------------------------------------------------------
# Debian package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parlavinto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Parlavinto developers")
# The package's maintainer: set a reachable address when publishing the package.
set(PARLAVINTO_MAINTAINER "The Parlavinto developers <parlavinto@localhost>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${PARLAVINTO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music quiz for one to five players (German)")
set(CPACK_PACKAGE_DESCRIPTION "Parlavinto is a music quiz with a German interface. One to five players
take turns at multiple-choice questions about composers and performers,
instruments, notation, keys, intervals and well-known works. Points grow
with the difficulty and shrink with the player's age. A question editor and
question lists let teachers write their own questions and restrict a game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links are found by dpkg-shlibdeps (dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins (xcb) at run time, so no linker dependency
# names them; without them the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Wayland sessions without qt6-wayland run the game through XWayland; the
# manual opens with the desktop's PDF viewer through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
include(CPack)
