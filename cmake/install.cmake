# Install layout: the program and zones.ini together in a private folder, so
# the program finds its zone database beside itself, and a link in bin/.
set(VORKEL_PRIVATE_DIR lib/vorkel-clocks)

install(TARGETS vorkelclocks RUNTIME DESTINATION ${VORKEL_PRIVATE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/zones.ini DESTINATION ${VORKEL_PRIVATE_DIR})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-link)
file(CREATE_LINK ../${VORKEL_PRIVATE_DIR}/vorkelclocks ${CMAKE_BINARY_DIR}/bin-link/vorkelclocks
     SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/bin-link/vorkelclocks DESTINATION bin)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/vorkel-clocks.desktop
        DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vorkel-clocks.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vorkel-clocks.svg
        DESTINATION share/icons/hicolor/scalable/apps)
# The small sizes are the tray icon's own pixel-tuned pictures.
foreach(size 16 22 24 32 48 64)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/trayxp-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vorkel-clocks.png)
endforeach()
foreach(size 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}/vorkel-clocks.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian package: `cpack -G DEB` in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorkel-clocks)
set(CPACK_PACKAGE_VENDOR "Vorkel Software")
set(CPACK_PACKAGE_CONTACT "Vorkel Software <clocks@vorkel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "World clock in the system tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows the time in locations around the world: a tray icon opens a small\nwindow with one titled clock per chosen place, with an alarm.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vorkel.example/)
# The shared libraries the program links decide most dependencies; the xcb
# platform plugin is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
