# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack from the install rules in
# packaging/CMakeLists.txt:  cpack -G DEB  in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TRIANGLE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The TriangleSolver developers")
set(CPACK_PACKAGE_CONTACT "TriangleSolver developers <triangle@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solve a triangle from three of its angles, sides, area and circumradius")
set(CPACK_PACKAGE_DESCRIPTION
"A tool for school geometry. Pick which three of the eight quantities are
known (the angles A, B, C, the sides a, b, c, the area S and the
circumradius R), type their values, and get all eight and the perimeter
with four decimals, or word that the numbers describe no real triangle.
")
if(TRIANGLE_WINDOW_PACKAGED)
    string(APPEND CPACK_PACKAGE_DESCRIPTION "
The package holds the window, whose interface is in Bulgarian, and
triangle-solve, which answers the same requests on the command line.")
else()
    string(APPEND CPACK_PACKAGE_DESCRIPTION "
This build holds triangle-solve, which answers the requests on the
command line.")
endif()
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A packaging revision makes the package non-native, whose changelog Debian
# names changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TRIANGLE_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TRIANGLE_HOMEPAGE})
# The libraries the programs link, and so the package's dependencies, come
# from dpkg-shlibdeps. The window is laid out for Times New Roman and drawn in
# Liberation Serif, which has the same metrics, when that is installed; the
# arrow ⇒, which Liberation lacks, comes from DejaVu Serif, which it needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TRIANGLE_WINDOW_PACKAGED)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
    # Qt's translations put its save and print dialogs in Bulgarian.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
endif()

include(CPack)
