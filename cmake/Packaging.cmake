# The Debian package: `cpack -G DEB` in the build folder. dpkg-shlibdeps (dpkg-dev) finds the
# shared libraries the program links; the rest of what it needs at run time is named here.
# The desktop database, the MIME database and the icon cache are refreshed by the dpkg
# triggers of desktop-file-utils, shared-mime-info and the icon theme, which watch the
# folders the package installs into.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME veltmoor-tags)
set(CPACK_PACKAGE_VENDOR "Veltmoor Inc")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designs and prints sheets of hanging tags")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Veltmoor Tags Print designs gift, price and hang tags with a punched hole:
up to nine pictures, fifteen shapes, texts, colours and a cut line on a sheet,
printed on any printer of the system. The same engine runs from the command
line.")
# A host name of our own under the domain reserved for examples: "localhost" is refused by
# Debian's checker as no mail host at all.
set(CPACK_PACKAGE_CONTACT "Veltmoor Inc <packaging@veltmoor.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
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

# Debian's own files beside the program: the machine-readable licence statement and the
# package's history, compressed as Debian keeps it. The package is made where the program
# is (a native package in Debian's words), so its history is changelog.gz, and the version
# of its top entry is the project's.
set(_debian ${PROJECT_SOURCE_DIR}/packaging/debian)
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/veltmoor-tags)
file(STRINGS ${_debian}/changelog _latest LIMIT_COUNT 1)
if(NOT _latest MATCHES "^veltmoor-tags \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog has no entry for version ${PROJECT_VERSION}")
endif()
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${_debian}/changelog ${PROJECT_BINARY_DIR}/changelog
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/changelog
    DEPENDS ${_debian}/changelog VERBATIM)
# The manual page is the program's own --help.
set(_manual ${PROJECT_BINARY_DIR}/veltmoor-tags.1)
add_custom_command(OUTPUT ${_manual}.gz
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:veltmoor-tags> -DVERSION=${PROJECT_VERSION}
            -DOUTPUT=${_manual} -P ${PROJECT_SOURCE_DIR}/cmake/ManualPage.cmake
    COMMAND gzip -9nf ${_manual}
    DEPENDS veltmoor-tags ${PROJECT_SOURCE_DIR}/cmake/ManualPage.cmake VERBATIM)
install(FILES ${_manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(veltmoor_package_documents ALL
    DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz ${_manual}.gz)
install(FILES ${_debian}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${_doc})
