# `cpack -G DEB` (scripts/package) makes build/lumo_VERSION_ARCH.deb of what `cmake --install`
# lays out, under /usr. The libraries the programs link (Qt 6, SQLite …) are found by
# dpkg-shlibdeps; what they only start or load at run time is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Lumo)
set(CPACK_PACKAGE_CONTACT "Lumo <lumo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Propose and judge Chinese given names (Lumo取名软件)")
set(CPACK_PACKAGE_DESCRIPTION "Lumo proposes Chinese given names for a newborn and judges any name by\n\
Kangxi strokes, the five grids, the three talents, the 81 numbers and the five elements; with\n\
name reports, the birth chart, a character dictionary and a command-line front end (lumo-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)  # the debug information stays in the build tree
# The CJK fonts the pages are drawn with, the offline voice (a program the desktop starts), the
# GStreamer plugins Qt Multimedia plays the recordings with, Qt's own Chinese texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-noto-cjk, espeak-ng, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-alsa | gstreamer1.0-pulseaudio")
include(CPack)
