# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build folder makes a Debian package of what `cmake --install` puts in place.
# dpkg-shlibdeps finds the libraries the program links; what it loads at run time (GStreamer's
# decoders, Qt's further image and platform plugins) is declared here by hand.

set(CPACK_PACKAGE_NAME lanternreel)
set(CPACK_PACKAGE_VENDOR "Lanternreel developers")
set(CPACK_PACKAGE_CONTACT "Lanternreel developers <developers@lanternreel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slideshow program with a soundtrack")
set(CPACK_PACKAGE_DESCRIPTION
  "Lanternreel builds a slideshow from pictures and folders, gives it a soundtrack, presents it in
its window or full screen on a timer, saves it as one file that carries the pictures, and prints
the current slide.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://lanternreel.org/")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# Debian's place for a package's licence, in its machine-readable form.
install(FILES "${PROJECT_SOURCE_DIR}/resources/debian/copyright"
  DESTINATION "${CMAKE_INSTALL_DOCDIR}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt media backend plays through GStreamer, which needs these to decode wav, ogg and flac.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# mp3 and m4a sounds, TIFF and WebP pictures, and Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "gstreamer1.0-libav, qt6-image-formats-plugins, qt6-wayland, qt6-translations-l10n")

include(CPack)
