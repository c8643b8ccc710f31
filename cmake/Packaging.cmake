# Installation and the Debian package.
#
# Under the prefix:
#   ${RADIANE_INSTALL_PROGRAM_DIR}/   the program folder: the executable and its data side by side
#   bin/radiane                       launcher: runs the program from the user's own copy of that folder
#   share/applications/, share/metainfo/, share/icons/hicolor/scalable/apps/
# The executable and data files are installed by src/app and data.

set(radiane_app_id org.radiane.Radiane)

# The launcher finds the program folder relative to its own place, so an
# installed tree can be moved (cpack installs it under another prefix).
if(IS_ABSOLUTE "${RADIANE_INSTALL_PROGRAM_DIR}")
    set(RADIANE_LAUNCHER_PROGRAM_DIR "${RADIANE_INSTALL_PROGRAM_DIR}")
else()
    file(RELATIVE_PATH radiane_bin_to_program
        /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${RADIANE_INSTALL_PROGRAM_DIR})
    set(RADIANE_LAUNCHER_PROGRAM_DIR "$here/${radiane_bin_to_program}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/radiane.in
    ${PROJECT_BINARY_DIR}/packaging/radiane @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${radiane_app_id}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/packaging/${radiane_app_id}.metainfo.xml @ONLY)

install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/radiane
    DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${radiane_app_id}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${radiane_app_id}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/radiane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian's copyright file (DEP-5), with the Arphic licence text taken from the
# shipped copy: each line indented, blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/data/licenses/ARPHICPL.TXT RADIANE_ARPHIC_LICENSE)
string(STRIP "${RADIANE_ARPHIC_LICENSE}" RADIANE_ARPHIC_LICENSE)
string(REGEX REPLACE "[ \t]*\n" "\n" RADIANE_ARPHIC_LICENSE "${RADIANE_ARPHIC_LICENSE}")
string(REPLACE "\n\n" "\n.\n" RADIANE_ARPHIC_LICENSE "${RADIANE_ARPHIC_LICENSE}")
string(REPLACE "\n\n" "\n.\n" RADIANE_ARPHIC_LICENSE "${RADIANE_ARPHIC_LICENSE}")
string(REPLACE "\n" "\n " RADIANE_ARPHIC_LICENSE " ${RADIANE_ARPHIC_LICENSE}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
    ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
# The changelog and the manual page, compressed without a time stamp.
find_program(RADIANE_GZIP gzip REQUIRED)
set(radiane_gzipped)
foreach(pair "changelog;changelog.gz" "radiane.1;radiane.1.gz")
    list(GET pair 0 in)
    list(GET pair 1 out)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/${out}
        COMMAND ${RADIANE_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/${in}
                > ${PROJECT_BINARY_DIR}/packaging/${out}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${in})
    list(APPEND radiane_gzipped ${PROJECT_BINARY_DIR}/packaging/${out})
endforeach()
add_custom_target(radiane_package_docs ALL DEPENDS ${radiane_gzipped})
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/radiane)
install(FILES ${PROJECT_BINARY_DIR}/packaging/radiane.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radiane)
set(CPACK_PACKAGE_VENDOR Radiane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Radiane <${RADIANE_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill for the radicals of the Wubi 86 input method")
set(CPACK_PACKAGE_DESCRIPTION
    "Radiane teaches which of the 25 letter keys carries each radical of the 86\n"
    "edition of the Wubi input method for Chinese: it shows radicals, or\n"
    "characters with the drilled radical painted black, and judges the key the\n"
    "learner presses for each. It shows the mnemonic verses and the radical\n"
    "chart, prints the chart and comes with nine skins.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${RADIANE_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The program asks for a Song typeface from Noto CJK and keeps progress through
# Qt SQL's SQLite driver, a plugin no library check finds. The Qt libraries (with
# their platform, print and media plugins) are added at packing time from
# dpkg-shlibdeps run on the executable (cmake/PackageDepends.cmake.in).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, libqt6sql6-sqlite")
configure_file(${PROJECT_SOURCE_DIR}/cmake/PackageDepends.cmake.in
    ${PROJECT_BINARY_DIR}/PackageDepends.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/PackageDepends.cmake)
# Sound and video through GStreamer; MIDI also needs its FluidSynth decoder and a sound font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, fluid-soundfont-gm")

# Running the installed executable directly (possible for root) leaves its
# settings files in the program folder; purging the package removes them.
if(IS_ABSOLUTE "${RADIANE_INSTALL_PROGRAM_DIR}")
    set(RADIANE_PACKAGE_PROGRAM_DIR "${RADIANE_INSTALL_PROGRAM_DIR}")
else()
    set(RADIANE_PACKAGE_PROGRAM_DIR "${CPACK_PACKAGING_INSTALL_PREFIX}/${RADIANE_INSTALL_PROGRAM_DIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/postrm.in
    ${PROJECT_BINARY_DIR}/packaging/debian/postrm @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
