# `cmake --install`: the executable in bin/ and what ships beside it in share/clueforge/, where
# the program looks for it (../share/clueforge from the executable, so the default bin and
# share folders must stay), plus the desktop entry, the file types, the icons and the
# AppStream metadata in their freedesktop places.
include(GNUInstallDirs)

set(CLUEFORGE_ID org.clueforge.Clueforge)
set(RES "${PROJECT_SOURCE_DIR}/resources")
set(DESKTOP "${RES}/desktop")
set(SHARED "${CMAKE_INSTALL_DATADIR}/clueforge")

install(TARGETS clueforge RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
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
