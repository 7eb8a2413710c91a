# The Debian package: `cpack -G DEB` in the build folder (or `cmake --build build --target
# package`) makes veltarn_<version>_<arch>.deb from what `cmake --install` puts in place.
set(VELTARN_MAINTAINER "The Вельтарн developers <veltarn@veltarn.ru>" CACHE STRING
    "Name and address in the package's Maintainer field and changelog")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltarn)
set(CPACK_PACKAGE_VENDOR "The Вельтарн developers")
set(CPACK_PACKAGE_CONTACT "${VELTARN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lecture demonstrations on the spectra of periodic signals")
set(CPACK_PACKAGE_DESCRIPTION
    "Вельтарн is a full-screen application of interactive lecture demonstrations
on Fourier series for a university physics course: synthesis of rectangular,
triangular and trapezoidal signals from their harmonics, the line spectrum of
a pulse train, how the shape of a signal changes its spectrum, and an
amplitude-modulated signal. All its texts are in Russian.")
set(CPACK_STRIP_FILES ON)
# A umask of 002 would otherwise give the package group-writable folders.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTARN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; what the binary loads or uses by name does not: the
# toolkit's platform plugins, the fonts the plots and captions are drawn in, the toolkit's own
# texts in Russian, and the GStreamer plugins that decode the workshop's sound files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-ipafont-mincho, \
qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")

include(CPack)
