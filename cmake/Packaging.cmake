# The Debian package (cpack -G DEB, or scripts/package): the install tree
# under /usr, dependencies found from the built binaries by dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME sondrel)
set(CPACK_PACKAGE_VENDOR "Quarn")
set(CPACK_PACKAGE_CONTACT "Sondrel maintainers <sondrel@quarn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "processor identification and frequency test")
set(CPACK_PACKAGE_DESCRIPTION "Sondrel tells which processors a computer has, which technologies they
support and whether they run at their rated frequencies, in a window or
as a text report (sondrel-report).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quarn.example/")
include(CPack)
