# Installation and the Debian package.
include(GNUInstallDirs)

# The desktop entry starts the program in its data folder, where the help document lies.
set(TRESILVA_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/tresilva)

foreach(program tresilva tresilva-convert)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/assets/help/DOCFR.HLP DESTINATION ${CMAKE_INSTALL_DATADIR}/tresilva)

configure_file(${PROJECT_SOURCE_DIR}/dist/tresilva.desktop.in ${PROJECT_BINARY_DIR}/dist/tresilva.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/tresilva.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/tresilva.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icon/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/dist/tresilva.1 ${PROJECT_SOURCE_DIR}/dist/tresilva-convert.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tresilva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tresilva Logiciels")
set(CPACK_PACKAGE_CONTACT "contact@tresilva.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Euro currency converter calculator")
set(CPACK_PACKAGE_DESCRIPTION "Tresilva 99 converts an amount into fifteen currencies at once: the eleven former national \
currencies of the first euro-zone members at their fixed rates, the euro, and the US dollar, the \
pound sterling and the yen at rates the user edits, with the exact rounding of a 48-bit real.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
# The libraries come from the binaries themselves; the Qt platform plugins, the fonts the
# layouts name and Qt's French texts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
