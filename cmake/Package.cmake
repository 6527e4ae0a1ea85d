# The Debian package (bash scripts/package.sh): everything `cmake --install` puts in place,
# under /usr, with the run-time dependencies read from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavocalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brenlow)
set(CPACK_PACKAGE_CONTACT "Tavo Calculator developers <tavocalc@brenlow.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "calculator for Tavo building-automation bus networks")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavo Calculator designs projects of Tavo networks, two-wire buses whose units
share one cable that also carries their supply current, and tells at once
whether the power balance, the short-circuit current, the AC impedance, the
clock and the address limit of each network are right, and why not. It also
imports projects of the Tavo installation software, prints reports and
exports CSV.

The package holds the desktop program tavocalc and tavocalc-cli, which
evaluates projects, imports installations and writes reports without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.brenlow.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the font the window and the reports are drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
