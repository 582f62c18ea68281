# The Debian package: cpack -G DEB in the build folder writes
# brisel_<version>_amd64.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisel)
# The version as the programs show it: 1.0.2 is "1.02".
set(CPACK_PACKAGE_VERSION ${BRISEL_APP_VERSION})
set(CPACK_PACKAGE_CONTACT ${BRISEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert PADS netlists into ExpressPCB netlists")
# Lines of the long description stay under 80 columns, as Debian asks.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Brisel converts a netlist written by the PADS family of design tools (the\n"
  "PADS-PCB, PADS2000 and PADS-PowerPCB ASCII netlist) into an ExpressPCB\n"
  "netlist that the ExpressPCB layout tool imports. It warns, without\n"
  "stopping, about anything the target format would reject, and reports what\n"
  "it converted.\n"
  "\n"
  "The package holds brisel, the converter with a window (Qt 6), and\n"
  "brisel-convert, the converter on the command line, which can also print\n"
  "each problem with its line and read the new netlist back to check it.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(BRISEL_MAKER_WEB)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BRISEL_MAKER_WEB}")
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET brisel)
  # Qt loads its display plugins at run time, out of dpkg-shlibdeps' sight;
  # Help > Contents and the About box's links go through xdg-open.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
endif()

include(CPack)
