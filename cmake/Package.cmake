# The Debian package: `cpack` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr
# makes mokuta_1.20_<arch>.deb from exactly what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mokuta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mokuta-kun developers")
set(CPACK_PACKAGE_CONTACT "The Mokuta-kun developers <developers@mokuta-kun.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "life simulation game of a young man losing his hair")
set(CPACK_PACKAGE_DESCRIPTION
"Mokuta is a young man who is losing his hair. Every day you pick one of
three plans for his day: meals, snacks, cigarettes, idling, going out, a
part-time job, skipping work, sleeping, nights out and drinking. Each
action succeeds or fails at random and moves his hair count, his
motivation and his health. Every fifth day brings a prize roulette of
hair products, and every fifteenth day somebody calls with an offer.

The game speaks Japanese or English, as the player's language asks, and
is played in one small window, with the mouse or the keyboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2_mixer is opened at first use rather than linked, so shlibdeps cannot see it; the text
# needs Japanese fonts, and narrow Latin ones in English, and the music a General MIDI SoundFont.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic | fonts-noto-cjk, fonts-dejavu-extra, timgm6mb-soundfont | fluid-soundfont-gm, libsdl2-mixer-2.0-0")
# On a Wayland desktop the game runs natively with the toolkit's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
