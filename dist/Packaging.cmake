# The Debian package: `make package` (or `cmake --build build --target package`) writes
# orbweave_<version>_<arch>.deb into the build folder.
set(ORBWEAVE_HOMEPAGE "https://orbweave.example.org" CACHE STRING "Project home page, for the package and the metainfo")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbweave)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Orbweave developers")
set(CPACK_PACKAGE_CONTACT "The Orbweave developers <orbweave@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printable, real-size templates for a star globe")
# Its first line is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orbweave turns a star list into printable templates for a star sphere of the radius you
choose: gores (orange-peel strips) with polar cap plates, and the faces of a polyhedron in
gnomonic projection. A centimetre on the drawing is a centimetre on paper.
.
The package holds the window program, the command-line exporter orbweave-export (whole
globes as tiled PDF, SVG or bitmaps), the Yale Bright Star Catalogue and polyhedron models.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORBWEAVE_HOMEPAGE})
# The libraries the programs link come from dpkg-shlibdeps; the window's Japanese text needs the font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Qt's own dialogs and buttons in Japanese and Spanish (qtbase_ja.qm, qtbase_es.qm); without them they
# speak English. The fonts of Chinese, Korean and Hindi constellation names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei, fonts-lohit-deva")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
