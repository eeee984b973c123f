# `cpack -G DEB` in the build folder: a Debian package of the install tree under /usr, its
# library dependencies found by dpkg-shlibdeps, plus the soundfont the music is played with and
# the fonts the screens are drawn in (both are opened by path).
set(CPACK_PACKAGE_NAME lexiglade)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lexiglade developers")
set(CPACK_PACKAGE_CONTACT "The Lexiglade developers <lexiglade@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-search puzzle game with hints instead of words")
set(CPACK_PACKAGE_DESCRIPTION "Lexiglade hides the words of a puzzle in a grid of 22 by 15 letters\n\
and shows only their hints, short clues or small pictures. Find every word\n\
against the clock, beat your best time, make puzzles of your own with the\n\
creation wizard and print them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/lexiglade/lexiglade)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-dejavu-core, fonts-liberation")
# Qt's own dialogs and buttons in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
