# Install rules for the desktop program and the Debian package built by CPack.
include(GNUInstallDirs)

set(VELNARO_RELEASE_DATE 2026-12-10)
# The project has no public home yet; set this where the window's picture is published.
set(VELNARO_SCREENSHOT_URL "https://example.org/velnaro/velnaro-window.png"
    CACHE STRING "Address of the window's picture listed in the AppStream metadata")
# Nor a mailing address; set this to where the package's users can write.
set(VELNARO_MAINTAINER_EMAIL "velnaro@example.org"
    CACHE STRING "Address of the package's maintainer, in its control file, changelog and copyright")
set(VELNARO_MAINTAINER "The Velnaro contributors <${VELNARO_MAINTAINER_EMAIL}>")

configure_file(data/${VELNARO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${VELNARO_APP_ID}.metainfo.xml @ONLY)

install(FILES data/${VELNARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/data/${VELNARO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/${VELNARO_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The programs' manual pages, with the version filled in and compressed as Debian ships them.
set(VELNARO_MAN_PAGES velnaro velnaro-calc velnaro-slips)
foreach(page IN LISTS VELNARO_MAN_PAGES)
    configure_file(data/man/${page}.1 ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
    list(APPEND velnaro_compressed ${PROJECT_BINARY_DIR}/man/${page}.1)
    list(APPEND velnaro_man_pages ${PROJECT_BINARY_DIR}/man/${page}.1.gz)
endforeach()
install(FILES ${velnaro_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The format of the pay rules files, in section 5 of the manual.
configure_file(data/man/velnaro-rules.5 ${PROJECT_BINARY_DIR}/man/velnaro-rules.5 @ONLY)
list(APPEND velnaro_compressed ${PROJECT_BINARY_DIR}/man/velnaro-rules.5)
install(FILES ${PROJECT_BINARY_DIR}/man/velnaro-rules.5.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)

# The built-in rules as a file, to read and to copy into a new year's rules; the programs carry
# the same rules built in and read this file only when given it with --rules.
install(FILES rules/2010.toml DESTINATION ${CMAKE_INSTALL_DATADIR}/velnaro/rules)

# /usr/share/doc/velnaro: the README the about picture points to with the picture it shows, the
# example the README runs, and the machine-readable copyright and the changelog that Debian asks
# of every package.
execute_process(COMMAND date -R -u -d ${VELNARO_RELEASE_DATE}
    OUTPUT_VARIABLE VELNARO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(data/debian/copyright.in ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)
configure_file(data/debian/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog @ONLY)
list(APPEND velnaro_compressed ${PROJECT_BINARY_DIR}/doc/changelog)
install(FILES README.md ${PROJECT_BINARY_DIR}/doc/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES data/examples/staff.csv DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
# The README shows the window's picture from docs/, beside it.
install(FILES docs/velnaro-window.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

foreach(file IN LISTS velnaro_compressed)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip -9nc ${file} > ${file}.gz
        DEPENDS ${file}
        VERBATIM)
    list(APPEND velnaro_compressed_files ${file}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${velnaro_compressed_files})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velnaro)
set(CPACK_PACKAGE_VENDOR "The Velnaro contributors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "public servant's pay calculator (window and command line)")
# Debian's control file wants the description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [=[
Velnaro computes a public servant's yearly and monthly pay in one right-to-left
Arabic window, and velnaro-calc computes one slip or a CSV file of slips on the
command line.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELNARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window asks for an Arabic sans font that draws ASCII digits.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-ui-core | fonts-noto-core")
# Qt's own texts (the OK of the message box) in Arabic.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
