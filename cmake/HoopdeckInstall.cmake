# What `cmake --install` lays out and what the .deb holds: the programs in
# bin/, the season and the help page in share/hoopdeck/ (found from bin/ as
# ../share/hoopdeck), and what a desktop needs to offer the program.
include(GNUInstallDirs)

set(HOOPDECK_APP_ID com.morvane.Hoopdeck)

install(TARGETS hoopdeck-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET hoopdeck)
  install(TARGETS hoopdeck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/2003-04 DESTINATION ${CMAKE_INSTALL_DATADIR}/hoopdeck)
install(FILES ${CMAKE_SOURCE_DIR}/help/Hoopdeck.html DESTINATION ${CMAKE_INSTALL_DATADIR}/hoopdeck)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HOOPDECK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${HOOPDECK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/hoopdeck-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HOOPDECK_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/hoopdeck.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${HOOPDECK_APP_ID}.svg)
install(FILES ${CMAKE_SOURCE_DIR}/docs/hoopdeck-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hoopdeck)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Morvane)
set(CPACK_PACKAGE_CONTACT "Morvane <hoopdeck@morvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Offline viewer of the 2003-04 basketball season")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Standings, the games of any day, team schedules and sortable rosters of\n one basketball season, with game times in the user's time zone.")
include(CPack)
