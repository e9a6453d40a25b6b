# What `cmake --install` puts beside the program: the desktop entry, the MIME
# type of project files, the icon and the AppStream metainfo; the user guide
# with its pictures is installed by tools/CMakeLists.txt, which makes them.
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/resources/shotweave.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/shotweave-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME shotweave-vidfile.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/shotweave.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/io.github.shotweave.Shotweave.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
