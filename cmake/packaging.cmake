# `cpack -G DEB` in the build folder makes a Debian package of the desktop program, the
# command-line companion, the desktop entry and the icon. The libraries they link are
# found by dpkg-shlibdeps; the fonts the reports are drawn in are named here.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kestravo")
set(CPACK_PACKAGE_VENDOR "Kestravo")
set(CPACK_PACKAGE_CONTACT "Kestravo maintainers <maintainers@kestravo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Handicapping tool for thoroughbred racing with a fair-odds line")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestravo reads one race card's past-performance file, computes pace, speed, class, form,\
 workout, trainer and jockey figures for every horse, ranks five ratings within each race\
 and turns them into a fair-odds line. Late scratches are kept beside the card.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
