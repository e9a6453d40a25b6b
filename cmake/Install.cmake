# What `cmake --install` puts beside the program: the desktop entry, the MIME
# type of project files, the icon, the AppStream metainfo and the user guide
# (found by the program as <prefix>/share/doc/shotweave/guide.html).
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/shotweave.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/shotweave-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME shotweave-vidfile.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/shotweave.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/guide.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/shotweave)
install(FILES ${PROJECT_SOURCE_DIR}/resources/io.github.shotweave.Shotweave.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
