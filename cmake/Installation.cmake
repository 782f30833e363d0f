# cmake --install: the program, quarvel-cli and the catalogue together in one application folder (the
# program looks for data.dll and en.dll beside its executable), launchers in bin/, a desktop entry and the
# icon where desktops look for them. CPack makes a Debian package of it.
include(GNUInstallDirs)

set(QUARVEL_APPLICATION_FOLDER lib/quarvel)
install(TARGETS quarvel quarvel-cli RUNTIME DESTINATION ${QUARVEL_APPLICATION_FOLDER})
install(FILES resources/data.dll resources/data-provenance.tsv resources/data-details.tsv DESTINATION ${QUARVEL_APPLICATION_FOLDER})
list(TRANSFORM QUARVEL_EXAMPLES PREPEND resources/ OUTPUT_VARIABLE quarvel_examples)
install(FILES ${quarvel_examples} DESTINATION ${QUARVEL_APPLICATION_FOLDER}/examples)
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/qtbase_zh_CN.qm
        DESTINATION ${QUARVEL_APPLICATION_FOLDER}/translations)

file(RELATIVE_PATH APPLICATION_FOLDER_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${QUARVEL_APPLICATION_FOLDER})
foreach(LAUNCHED quarvel quarvel-cli)
  configure_file(resources/launcher.in ${CMAKE_BINARY_DIR}/launchers/${LAUNCHED} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${LAUNCHED} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES resources/quarvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The plan file's type, which the desktop then opens with the program (Debian's triggers update the databases).
install(FILES resources/quarvel-plan.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quarvel.xml)
install(FILES resources/quarvel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

# What Debian asks of every package's documentation folder: the copyright file and the changelog, compressed
# (changelog.gz: the package is native, built from its own source).
set(QUARVEL_DOC_FOLDER ${CMAKE_INSTALL_DATADIR}/doc/quarvel)
install(FILES resources/debian/copyright DESTINATION ${QUARVEL_DOC_FOLDER})
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
                   DEPENDS resources/debian/changelog)
add_custom_target(quarvel_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${QUARVEL_DOC_FOLDER})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VENDOR Quarvel)
set(CPACK_PACKAGE_CONTACT "The Quarvel developers <developers@quarvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sizes terminal servers for a number of thin-client seats")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Quarvel answers how large a terminal server must be: the processors that\n"
       "carry a number of thin-client seats, with the minimum memory, system SSD,\n"
       "data HDD and network speed, for RDP and VDI servers, in Simplified Chinese\n"
       "or English.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY quarvel)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt libraries come from the executables' own needs; the platform plugins and a font with Chinese
# glyphs are needed too, though no executable names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4), fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
