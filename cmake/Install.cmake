# Installation: the programs, and the desktop entry with its icon so that
# desktop menus list the monitor. Paths follow the GNU layout under the
# chosen prefix.
include(GNUInstallDirs)

install(TARGETS orbilunex-decode orbilunex-survey RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The window program exists only when the Qt parts are built.
if(TARGET orbilunex)
  install(TARGETS orbilunex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(ORBILUNEX_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${ORBILUNEX_DESKTOP_DIR}/orbilunex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORBILUNEX_DESKTOP_DIR}/orbilunex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
