# `cmake --install`: the executable in bin/ and what ships beside it in share/clueforge/, where
# the program looks for it (../share/clueforge from the executable, so the default bin and
# share folders must stay), plus the desktop entry, the file types, the icons and the
# AppStream metadata in their freedesktop places.
include(GNUInstallDirs)
file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/packaging")

set(CLUEFORGE_ID org.clueforge.Clueforge)
set(RES "${PROJECT_SOURCE_DIR}/resources")
set(DESKTOP "${RES}/desktop")
set(SHARED "${CMAKE_INSTALL_DATADIR}/clueforge")

install(TARGETS clueforge RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# Where the program looks for its printing and SVG module: ../lib/clueforge from the executable.
install(TARGETS clueforge_printsvg LIBRARY DESTINATION "lib/clueforge")
install(DIRECTORY "${RES}/Language" "${RES}/Samples" DESTINATION "${SHARED}"
        PATTERN ".keep" EXCLUDE)
# The word lists are made at build time in the program folder; an empty Data/ without them.
install(DIRECTORY "${CLUEFORGE_PROGRAM_DIR}/Data" DESTINATION "${SHARED}"
        FILES_MATCHING PATTERN "*.dat")
install(DIRECTORY "${RES}/Help/" DESTINATION "${SHARED}" PATTERN ".keep" EXCLUDE)

install(FILES "${DESKTOP}/${CLUEFORGE_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${DESKTOP}/${CLUEFORGE_ID}.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES "${DESKTOP}/${CLUEFORGE_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${DESKTOP}/icons/${CLUEFORGE_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size ${CLUEFORGE_ICON_SIZES})
    install(FILES "${DESKTOP}/icons/${CLUEFORGE_ID}-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${CLUEFORGE_ID}.png")
endforeach()

# The manual page, and the Debian package's copyright file and changelog (changelog.gz, as
# the package is native), compressed as Debian wants them (gzip -9n: no name or time inside,
# so the bytes repeat).
set(DEBIAN "${RES}/debian")
foreach(file clueforge.6 changelog)
    execute_process(COMMAND gzip -9nc "${DEBIAN}/${file}"
                    OUTPUT_FILE "${CMAKE_BINARY_DIR}/packaging/${file}.gz")
endforeach()
install(FILES "${CMAKE_BINARY_DIR}/packaging/clueforge.6.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${DEBIAN}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/clueforge")
install(FILES "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/clueforge")

# `cpack -G DEB` in a Release build: clueforge_<version>_<arch>.deb for /usr, its
# dependencies worked out by dpkg-shlibdeps from the libraries the program links. The word
# lists need hunspell-ru only while building.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clueforge)
set(CPACK_PACKAGE_VENDOR "The Clueforge developers")
set(CPACK_PACKAGE_CONTACT "Clueforge maintainers <maintainers@users.noreply.c-seed-59283ad2.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword editor and solver")
set(CPACK_PACKAGE_DESCRIPTION "Clueforge makes Russian crosswords and solves them: draw the grid, fill
it with the help of the pattern search over Russian word lists, write the
clues and save the crossword with a password that hides its answers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://clueforge.org/")
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
include(CPack)
