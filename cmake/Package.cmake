# The Debian package `vorkel` (cpack -G DEB in the build folder): the
# programs that exist (vorkel; q4 and penvik once they are built), the stock
# data and the help in /usr/share/vorkel, desktop entries for q4 and penvik,
# an icon, MIME types for ".skb" templates and ".ktd" grids (a double click
# opens them in q4), AppStream metainfo, the manual pages, the copyright and
# the changelog.
# Included last, so every program target is known here.
#
# The stock data is the generator's part of the medium: the templates made
# for an installation, models, paths, parameter files, word lists, the
# dictionaries, the profile template and the help. `q4` is started through
# a small script that gives each user a writable folder made from it.
set(medium ${PROJECT_BINARY_DIR}/medium)
set(package ${PROJECT_SOURCE_DIR}/data/package)

install(TARGETS vorkel DESTINATION bin)
install(TARGETS vorkel-user-folder DESTINATION lib/vorkel)
if(TARGET q4)
  install(TARGETS q4 DESTINATION lib/vorkel)
  install(PROGRAMS ${package}/q4.sh DESTINATION bin RENAME q4)
  install(FILES ${package}/vorkel.desktop DESTINATION share/applications)
endif()
if(TARGET penvik)
  install(TARGETS penvik DESTINATION bin)
  install(FILES ${package}/penvik.desktop DESTINATION share/applications)
endif()
if(VORKEL_BUILD_QT)
  # The generator's files of the medium, in the layout an installation has.
  install(DIRECTORY ${medium}/ DESTINATION share/vorkel
          PATTERN "setup" EXCLUDE PATTERN "uninst" EXCLUDE PATTERN "vorkel" EXCLUDE
          PATTERN "q4" EXCLUDE PATTERN "penvik" EXCLUDE PATTERN "Fonts" EXCLUDE
          PATTERN "DK" EXCLUDE PATTERN "q4dk.in_" EXCLUDE PATTERN "penvik.in_" EXCLUDE
          PATTERN "vorkel.svg" EXCLUDE PATTERN "vorkel-mime.xml" EXCLUDE)
  install(FILES ${medium}/q4dk.in_ DESTINATION share/vorkel RENAME q4dk.ini)
endif()
install(FILES ${package}/vorkel.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${package}/vorkel-mime.xml DESTINATION share/mime/packages RENAME vorkel.xml)
# AppStream names the file after the component's id.
install(FILES ${package}/vorkel.metainfo.xml DESTINATION share/metainfo
        RENAME dk.vendrik.vorkel.metainfo.xml)
# Debian's documentation of the package: its copyright in the machine-readable
# format and its changelog, compressed as Debian's policy asks (gzip -9n).
set(changelog ${PROJECT_BINARY_DIR}/package/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/package
  COMMAND gzip -9nc ${package}/changelog.Debian > ${changelog}
  DEPENDS ${package}/changelog.Debian
  COMMENT "Compressing the package's changelog")
add_custom_target(package_changelog ALL DEPENDS ${changelog})
install(FILES ${package}/copyright ${changelog} DESTINATION share/doc/vorkel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorkel)
set(CPACK_PACKAGE_VERSION 1.0.0)
# A placeholder address (example.org is reserved for that): lintian refuses
# one at localhost.
set(CPACK_PACKAGE_CONTACT "Vorkel team <vorkel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Danish crossword construction suite")
set(CPACK_PACKAGE_DESCRIPTION "Generates Danish crosswords from model grids, dictionaries and paths,
lays them out with their clues for printing, and looks after the dictionaries;
anagram tools.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: the package is made apart from the source, so its
# changelog is changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Tools that make crosswords rather than a game to play (games go to
# /usr/games).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Qt's Danish texts for its standard buttons and dialogs ("Ja", "Nej", "Annuller").
# Danish hyphenation patterns for the clues penvik prints.
# PostgreSQL's client library, loaded (not linked) for a team's clue database.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, hyphen-da")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libpq5")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help pages and templates open with the desktop's handler (xdg-open); the
# libraries found by shlibdeps are added to this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS xdg-utils)
set(CPACK_STRIP_FILES ON)
include(CPack)
