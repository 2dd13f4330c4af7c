# What `cmake --install` puts where, and the Debian package made from it with CPack
# (`cpack -G DEB` in a build folder).
include(GNUInstallDirs)

# XDG autostart entries are only looked for in $XDG_CONFIG_DIRS (/etc/xdg): a system-wide
# install puts its entry there, an install elsewhere keeps it under its own prefix.
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
  set(meterly_autostart_default /etc/xdg/autostart)
else()
  set(meterly_autostart_default ${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg/autostart)
endif()
set(METERLY_AUTOSTART_DIR ${meterly_autostart_default} CACHE PATH "Where the XDG autostart entry is installed")

set(meterly_resources ${PROJECT_SOURCE_DIR}/resources)
set(meterly_generated ${PROJECT_BINARY_DIR}/resources)

configure_file(${meterly_resources}/com.corvane.Meterly.metainfo.xml
               ${meterly_generated}/com.corvane.Meterly.metainfo.xml @ONLY)

# Manual pages, compressed as Debian wants them.
set(meterly_manuals)
foreach(page meterly.1 meterly-report.1)
  configure_file(${meterly_resources}/${page} ${meterly_generated}/${page} @ONLY)
  add_custom_command(OUTPUT ${meterly_generated}/${page}.gz
                     COMMAND gzip -9nc ${meterly_generated}/${page} > ${meterly_generated}/${page}.gz
                     DEPENDS ${meterly_generated}/${page} VERBATIM)
  list(APPEND meterly_manuals ${meterly_generated}/${page}.gz)
endforeach()
add_custom_target(meterly-manuals ALL DEPENDS ${meterly_manuals})

install(TARGETS meterly meterly-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${meterly_resources}/meterly.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${meterly_resources}/meterly-autostart.desktop DESTINATION ${METERLY_AUTOSTART_DIR}
        RENAME meterly.desktop)
install(FILES ${meterly_resources}/meterly.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${meterly_generated}/com.corvane.Meterly.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${meterly_manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${meterly_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/meterly/translations)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME meterly)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "network traffic monitor for the system tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Meterly shows the network speeds in the system tray and records every byte received and sent, per user, "
    "day and hour, with usage reports, a traffic quota, notifications and small network tools.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Corvane <meterly@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give the standard buttons and dialogs the language of the program's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${meterly_resources}/debian/postinst ${meterly_resources}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
