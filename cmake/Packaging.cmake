# The Debian package, built by cpack -G DEB in the build folder. Its name is the program's, its
# version and texts come from the version record, and its dependencies from the shared libraries
# the program links, so none of them is written down twice.
include(${PROJECT_SOURCE_DIR}/resources/VersionRecord.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jestrel)
set(CPACK_PACKAGE_VERSION ${JESTREL_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR ${JESTREL_COMPANY_NAME})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/data/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# A package installs under /usr whatever prefix the build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${JESTREL_COMPANY_NAME} <${JESTREL_CONTACT_ADDRESS}>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries it links: the toolkit's Wayland platform, for a desktop without XWayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-wayland)
# The font the windows are laid out in stands in for one only Windows has.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
