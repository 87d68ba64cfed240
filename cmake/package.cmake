# `cpack -G DEB` in the build folder makes vandrell_VERSION_ARCH.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandrell)
set(CPACK_PACKAGE_VENDOR "The Vandrell developers")
set(CPACK_PACKAGE_CONTACT "The Vandrell developers <vandrell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-scale wing ribs for model aircraft")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vandrell.example.org/")
set(CPACK_PACKAGE_DESCRIPTION "Vandrell turns an airfoil coordinate file into a full-scale wing rib:
sheeting, edge pieces, spar notches, lightening holes, building tabs or a
jig block, reference lines and a caption. It prints ribs at exact scale,
exports DXF and saves projects; vandrell-cli does the same from scripts.")
# The libraries come from dpkg-shlibdeps. Qt loads its platform plugins at run time, where
# dpkg-shlibdeps cannot see them, and the window program cannot start without one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
