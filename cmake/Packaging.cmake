# The Debian package: `cpack -G DEB` in the build folder. dpkg-shlibdeps (dpkg-dev) finds the
# shared libraries the program links; the rest of what it needs at run time is named here.
# The desktop database, the MIME database and the icon cache are refreshed by the dpkg
# triggers of desktop-file-utils, shared-mime-info and the icon theme, which watch the
# folders the package installs into.
set(CPACK_PACKAGE_NAME veltmoor-tags)
set(CPACK_PACKAGE_VENDOR "Veltmoor Inc")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designs and prints sheets of hanging tags")
set(CPACK_PACKAGE_DESCRIPTION
    "Veltmoor Tags Print designs gift, price and hang tags with a punched hole: up to nine \
pictures, fifteen shapes, texts, colours and a cut line on a sheet, printed on any printer \
of the system. The same engine runs from the command line.")
set(CPACK_PACKAGE_CONTACT "Veltmoor Tags Print developers <veltmoor-tags@localhost>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Liberation fonts stand in for the fonts the designs name; shared-mime-info makes
# ".vmg" files known. Qt's X11 and offscreen platforms come with its Gui library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-liberation, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "desktop-file-utils, hicolor-icon-theme, qt6-image-formats-plugins, qt6-wayland")
set(CPACK_GENERATOR DEB)
include(CPack)
