# `cpack -G DEB` in a build folder makes a Debian package of what
# `cmake --install` installs, under /usr. dpkg-shlibdeps finds the libraries
# the program links (Qt 6 Widgets, Gui, Core and their own); the Qt plugins it
# loads at run time are named here, since no link shows them: the platform
# plugins, the SVG icon engine and the image formats the picture import reads.
set(CPACK_PACKAGE_NAME shotweave)
set(CPACK_PACKAGE_VENDOR "Shotweave")
set(CPACK_PACKAGE_CONTACT "Shotweave <shotweave@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plan a short film shot by shot and publish it as a web site")
set(CPACK_PACKAGE_DESCRIPTION "A desktop editor, in French, for planning a short film shot by shot (idea,
continuity, technical breakdown, pictures, report) and publishing the plan as
a static web site.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")

include(CPack)
