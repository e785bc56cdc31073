# Install rules for the desktop program and the Debian package built by CPack.
include(GNUInstallDirs)

set(VELNARO_RELEASE_DATE 2026-12-10)
# The project has no public home yet; set this where the window's picture is published.
set(VELNARO_SCREENSHOT_URL "https://example.org/velnaro/velnaro-window.png"
    CACHE STRING "Address of the window's picture listed in the AppStream metadata")

configure_file(data/${VELNARO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${VELNARO_APP_ID}.metainfo.xml @ONLY)

install(FILES data/${VELNARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/data/${VELNARO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/${VELNARO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages, with the version filled in and compressed as Debian ships them.
foreach(page velnaro velnaro-calc)
    configure_file(data/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.1.gz
        COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/man/${page}.1 > ${PROJECT_BINARY_DIR}/man/${page}.1.gz
        DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.1
        VERBATIM)
    list(APPEND velnaro_man_pages ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${velnaro_man_pages})
install(FILES ${velnaro_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velnaro)
set(CPACK_PACKAGE_VENDOR "The Velnaro contributors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "public servant's pay calculator (window and command line)")
set(CPACK_PACKAGE_DESCRIPTION
    "Velnaro computes a public servant's yearly and monthly pay in one right-to-left Arabic window, and velnaro-calc computes one slip or a CSV file of slips on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velnaro contributors")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window asks for an Arabic sans font that draws ASCII digits.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-ui-core | fonts-noto-core")
# Qt's own texts (the OK of the message box) in Arabic.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
