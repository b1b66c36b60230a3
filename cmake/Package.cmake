# The Debian package `vorkel` (cpack -G DEB in the build folder): the
# programs that exist (vorkel; q4 and penvik once they are built), the stock
# data and the help in /usr/share/vorkel, a desktop entry, an icon and a
# MIME type for ".skb" templates, so a double click opens them in q4.
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
endif()
if(VORKEL_BUILD_QT)
  # The generator's files of the medium, in the layout an installation has.
  install(DIRECTORY ${medium}/ DESTINATION share/vorkel
          PATTERN "setup" EXCLUDE PATTERN "uninst" EXCLUDE PATTERN "vorkel" EXCLUDE
          PATTERN "q4" EXCLUDE PATTERN "penvik" EXCLUDE PATTERN "Fonts" EXCLUDE
          PATTERN "DK" EXCLUDE PATTERN "q4dk.in_" EXCLUDE PATTERN "penvik.in_" EXCLUDE)
  install(FILES ${medium}/q4dk.in_ DESTINATION share/vorkel RENAME q4dk.ini)
endif()
install(FILES ${package}/vorkel.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${package}/vorkel-mime.xml DESTINATION share/mime/packages RENAME vorkel.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorkel)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Vorkel team <vorkel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Danish crossword construction suite")
set(CPACK_PACKAGE_DESCRIPTION "Generates Danish crosswords from model grids, dictionaries and paths; dictionary and anagram tools.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Qt's Danish texts for its standard buttons and dialogs ("Ja", "Nej", "Annuller").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
