# cpack -G DEB: a package of what cmake --install puts in place, under /usr.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark developers")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gradebook for a classroom teacher")
set(CPACK_PACKAGE_DESCRIPTION
    "Scores, grades, statistics, seating charts and printed reports for the classes of one teacher.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt 6 libraries come from the executable's own links; the fonts are the metric twins of
# those the windows and reports ask for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)
