# SPDX-License-Identifier: GPL-3.0-or-later
# A .deb and an .rpm from the install rules (scripts/package.sh builds them).
set(CPACK_GENERATOR DEB RPM)
set(CPACK_PACKAGE_NAME quellor)
set(CPACK_PACKAGE_VENDOR "Quellor developers")
set(CPACK_PACKAGE_CONTACT "Quellor developers <quellor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "optical bench showing how a lens forms images")
set(CPACK_PACKAGE_DESCRIPTION
    "A classroom demonstration of how a lens forms images. One window shows an
optical bench: a medium left and right of a lens, each tinted by its
refractive index, the lens drawn from its two curved surfaces, and the focal
points F and 2F. Sliders set the indices and the surface radii; dragging an
object point draws the ray construction of its image live.

The interface is in Russian, and in English under an English locale.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian: the libraries the binary links are found by dpkg-shlibdeps; fonts and
# Qt's translations are not libraries, so they are named here. The window is
# laid out for Liberation's metrics (DejaVu, always present, is only a fallback).
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# RPM: requirements come from rpm's automatic dependency finder.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_SUMMARY "Optical bench showing how a lens forms images")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}")
set(CPACK_RPM_PACKAGE_LICENSE GPL-3.0-or-later)
set(CPACK_RPM_PACKAGE_GROUP "Amusements/Teaching/Other")
set(CPACK_RPM_PACKAGE_AUTOREQPROV ON)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_CHANGELOG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog.rpm)
# Directories other packages own.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/applications /usr/share/icons /usr/share/icons/hicolor
    /usr/share/icons/hicolor/scalable /usr/share/icons/hicolor/scalable/apps
    /usr/share/metainfo /usr/share/man /usr/share/man/man1 /usr/share/doc)

include(CPack)
