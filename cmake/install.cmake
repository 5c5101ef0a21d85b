# Installation: the program and its data together under lib/numerella, a
# launcher in bin, the desktop entry, the icons and the AppStream metainfo.
include(GNUInstallDirs)

set(NUMERELLA_LIBEXEC ${CMAKE_INSTALL_FULL_LIBDIR}/numerella)
if(NOT CMAKE_INSTALL_LIBDIR STREQUAL "lib")
    # Multiarch library dirs would hide the data from teachers looking for it.
    set(NUMERELLA_LIBEXEC ${CMAKE_INSTALL_PREFIX}/lib/numerella)
endif()
file(RELATIVE_PATH NUMERELLA_LIBEXEC_REL ${CMAKE_INSTALL_PREFIX} ${NUMERELLA_LIBEXEC})

install(TARGETS numerella RUNTIME DESTINATION ${NUMERELLA_LIBEXEC_REL})
# Speech and sounds, loaded by the program from its own folder.
install(TARGETS numerella_voce LIBRARY DESTINATION ${NUMERELLA_LIBEXEC_REL})
# The record view, loaded from the same folder when the adult opens it.
install(TARGETS numerella_pluginregistro LIBRARY DESTINATION ${NUMERELLA_LIBEXEC_REL})
install(DIRECTORY data/ DESTINATION ${NUMERELLA_LIBEXEC_REL}
        PATTERN "icone" EXCLUDE)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/icone)
    install(DIRECTORY data/icone DESTINATION ${NUMERELLA_LIBEXEC_REL})
endif()

configure_file(packaging/numerella.sh.in ${CMAKE_BINARY_DIR}/numerella-launcher @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/numerella-launcher
        DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME numerella)
install(FILES packaging/numerella.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/numerella.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.numerella.numerella.metainfo.xml)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/icone/numerella.svg)
    install(FILES data/icone/numerella.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
foreach(size 16 32 48 64 128 256)
    if(EXISTS ${PROJECT_SOURCE_DIR}/data/icone/numerella-${size}.png)
        install(FILES data/icone/numerella-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME numerella.png)
    endif()
endforeach()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numerella)
set(CPACK_PACKAGE_VENDOR "Numerella project")
set(CPACK_PACKAGE_CONTACT "Numerella project <numerella@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spoken arithmetic word problems for young children")
set(CPACK_PACKAGE_INSTALL_DIRECTORY numerella)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, qt6-qpa-plugins, fonts-comic-neue, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")
include(CPack)
