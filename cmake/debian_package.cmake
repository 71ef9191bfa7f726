# cpack -G DEB: a package of what cmake --install puts in place, under /usr.
set(QUILLMARK_PACKAGE_MAINTAINER "Quillmark developers <quillmark@example.org>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "${QUILLMARK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLMARK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gradebook for a classroom teacher")
# Debian wants the lines of the long description within 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Scores, grades, statistics, seating charts and printed reports for the classes
of one teacher, kept in plain-text class files, with an optional password.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt 6, libsodium and libxlsxwriter libraries come from the executable's own links; the
# fonts are the metric twins of those the windows and reports ask for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)

# The licence and history every Debian package carries in its documentation folder.
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
string(TIMESTAMP QUILLMARK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in
    ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/debian/changelog.Debian -c >
        ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
add_custom_target(quillmark_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz)
# What the install step copies is built with the program, so that installing after building the
# program alone works.
add_dependencies(quillmark quillmark_changelog)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright
    ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${package_doc})
