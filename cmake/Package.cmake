# `cpack -G DEB` (scripts/package) makes brawlgear_<version>_<arch>.deb from
# the install rules: the engine and its tools in /usr/bin, the docs, the
# editor annotations and the manual pages. Depends is computed from the
# executables by dpkg-shlibdeps.
include(GNUInstallDirs)
# Packaging does not build: scripts/package builds first, and a test that
# packages its own build tree must not rebuild it under the running tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS brawlgear brawlgear-pack brawlgear-font RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brawlgear)
set(CPACK_PACKAGE_VENDOR "The Brawlgear developers")
set(CPACK_PACKAGE_CONTACT "The Brawlgear developers <brawlgear@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time 3D engine host for Lua-scripted games")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "brawlgear opens an SDL window with OpenGL drawing and OpenAL positional
sound, offers the engine to a game's Lua scripts and runs the game loop
they hold. brawlgear-pack packs a game (and bundles it for players);
brawlgear-font bakes TrueType, OpenType and bitmap fonts for it.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
