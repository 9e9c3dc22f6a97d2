# Install layout: the program and zones.ini together in a private folder, so
# the program finds its zone database beside itself, and a link in bin/.
set(VORKEL_PRIVATE_DIR lib/vorkel-clocks)

install(TARGETS vorkelclocks RUNTIME DESTINATION ${VORKEL_PRIVATE_DIR})
# The zone file the build made from its machine's tz database, and the
# generator, so that an installed copy can be refreshed after tzdata updates.
install(FILES ${CMAKE_BINARY_DIR}/src/zones.ini DESTINATION ${VORKEL_PRIVATE_DIR})
install(PROGRAMS $<TARGET_FILE:zonegen> DESTINATION ${VORKEL_PRIVATE_DIR} RENAME vorkel-zonegen)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/vorkel-refresh-zones DESTINATION ${VORKEL_PRIVATE_DIR})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-link)
file(CREATE_LINK ../${VORKEL_PRIVATE_DIR}/vorkelclocks ${CMAKE_BINARY_DIR}/bin-link/vorkelclocks
     SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/bin-link/vorkelclocks DESTINATION bin)

# Desktop entry, AppStream metadata and icon are all named after the
# application ID, which the program also gives Qt as its desktop file name.
set(VORKEL_APP_ID example.vorkel.Clocks)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VORKEL_APP_ID}.desktop
        DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VORKEL_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vorkelclocks.1 DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vorkel-clocks.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${VORKEL_APP_ID}.svg)
# The small sizes are the tray icon's own pixel-tuned pictures.
foreach(size 16 22 24 32 48 64)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/trayxp-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${VORKEL_APP_ID}.png)
endforeach()
foreach(size 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}/vorkel-clocks.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${VORKEL_APP_ID}.png)
endforeach()
