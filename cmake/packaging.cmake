# The Debian package: `cmake --build build --target package` gives build/tavir_<version>_<arch>.deb,
# which a teacher installs with `apt install ./tavir_*.deb`. The shared libraries it needs are
# found by dpkg-shlibdeps; the rest is named here.

# What Debian asks of every package besides the program: its copyright, its changelog and
# the manual pages, compressed as the policy wants them.
set(TAVIR_DEB_DOC ${CMAKE_BINARY_DIR}/debian-doc)
set(TAVIR_DEB_DOC_FILES ${TAVIR_DEB_DOC}/changelog.Debian.gz ${TAVIR_DEB_DOC}/tavir.1.gz ${TAVIR_DEB_DOC}/tavir-cli.1.gz)
add_custom_command(
  OUTPUT ${TAVIR_DEB_DOC_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVIR_DEB_DOC}
  COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/data/debian/changelog' > '${TAVIR_DEB_DOC}/changelog.Debian.gz'"
  COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/data/debian/tavir.1' > '${TAVIR_DEB_DOC}/tavir.1.gz'"
  COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/data/debian/tavir-cli.1' > '${TAVIR_DEB_DOC}/tavir-cli.1.gz'"
  DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog ${CMAKE_SOURCE_DIR}/data/debian/tavir.1
          ${CMAKE_SOURCE_DIR}/data/debian/tavir-cli.1
  COMMENT "Package documents (changelog, manual pages)"
  VERBATIM)
add_custom_target(tavir-package-docs ALL DEPENDS ${TAVIR_DEB_DOC_FILES})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${TAVIR_DEB_DOC}/changelog.Debian.gz
        DESTINATION share/doc/tavir)
install(FILES ${TAVIR_DEB_DOC}/tavir.1.gz ${TAVIR_DEB_DOC}/tavir-cli.1.gz DESTINATION share/man/man1)
# The package is built outside the Debian archive: its first changelog entry closes no bug.
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/lintian-overrides DESTINATION share/lintian/overrides RENAME tavir)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavir)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Les auteurs de Tavir")
set(CPACK_PACKAGE_CONTACT "Les auteurs de Tavir <contact@tavir.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "molecule construction kit for chemistry lessons")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavir.fr/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tavir_<version>-<release>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not libraries, but needed all the same: the Arial twin the drawings are measured with, and
# the French texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# CPack puts the summary first and indents each line of this text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tavir is a French teaching tool for secondary-school chemistry. Pupils
place carbon, hydrogen, oxygen, nitrogen and chlorine atoms on a grid, choose
the bond orders, and at once see the molecular formula, the electron-dot
structure with its bonding and non-bonding pairs, a text on the geometry and
a turning three-dimensional model.
.
Exercises with corrections, a guided tour, a course and a scientific
calculator come with it. The companion tavir-cli runs the same core from the
command line.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tavir.fr/")
include(CPack)
