# The Debian package, made by CPack from the install rules in Install.cmake (`make package`).
#
# CPack rather than a debian/ folder: the package is built from the very build folder the tests
# ran in, with the same install rules `cmake --install` uses, so there is one description of the
# installed layout and no second build. dpkg-shlibdeps still computes the shared-library
# dependencies. The package is native: upstream makes it, its changelog is dist/changelog.

# What the package ships is linked the way Debian hardens its own packages: relocations made
# read-only after loading, every symbol bound at start (a relink only; nothing is recompiled).
foreach(target 731 731-tool sample_seiriken)
  target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME harune)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fare display unit of a Japanese route bus, simulated")
set(CPACK_PACKAGE_CONTACT "${HARUNE_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
# Debian's own name: harune_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HARUNE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HARUNE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program opens at run time besides the libraries it links: the General MIDI soundfont,
# the MeCab dictionary, espeak-ng's voices, and the IPA faces of the stop-name display and the
# ticket-number captions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont, mecab-ipadic-utf8, espeak-ng-data, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
# The long description; CPack puts the summary above it and indents it the Debian way.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ハルネ shows the fare display that hangs at the front of a Japanese route bus
(model 731): thirty numbered-ticket positions with their fares in seven-segment
digits and a dot-matrix stop-name display, together with the driver's console
that loads a route, steps from stop to stop, switches late-night fares and the
backlight, plays chimes and speaks the announcements in Japanese.

The package also holds the companion tool 731-tool, which builds, checks and
renders fare data files, the sample ticket plug-in, the plug-in interface
header with its pkg-config file, and two demo routes.")

include(CPack)
