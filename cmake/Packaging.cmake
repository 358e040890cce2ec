# "cpack" in a build folder makes a Debian package of what "cmake --install"
# puts in place; its dependencies are computed from the libraries the programs
# link against (dpkg-shlibdeps, Debian package dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scientific and graphing calculator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Orvanta developers <developers@orvanta.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Scientific and graphing calculator
 Orvanta calculates in nine modes: scientific, function plotter, function
 calculator, equation solver, matrices, complex numbers, programmer (64-bit
 integers), statistics and unit converter. orvanta-calc calculates on the
 command line, and orvanta --export-plot draws plots without a display.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
