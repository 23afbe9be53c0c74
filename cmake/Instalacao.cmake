# Installation and the Debian package.
#
#   cmake --install build                 lays out the program under /opt/vexador-tarrim
#   cmake --build build --target package  builds vexador-tarrim_<version>_<arch>.deb
#
# <prefix>/              the shipped application folder: vexador-tarrim, vexador-simulador,
#                        their two libraries, Config.qzd, enderecos.ini (the online pages), the PDF documents, relatorio/
# <prefix>/bin/vexador-tarrim
#                        the starter: runs the program on the user's own application folder
#                        (~/.local/share/vexador-tarrim), where it may write its database; the
#                        shipped folder stays read-only and shared (cmake/instalacao/vexador-tarrim.sh)
# <system>/bin/vexador-tarrim, <system>/share/applications, <system>/share/icons
#                        command, menu entry and icon; <system> is VEXADOR_PASTA_SISTEMA

# The program is a self-contained folder, not a set of files spread over /usr/local: /usr/local
# (CMake's own default, also in build folders configured before this file existed) becomes
# /opt/vexador-tarrim. Any other prefix is kept.
set(PREFIXO_PACOTE /opt/vexador-tarrim)
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT OR CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  set(CMAKE_INSTALL_PREFIX ${PREFIXO_PACOTE} CACHE PATH "Installation folder" FORCE)
endif()
set(VEXADOR_PASTA_SISTEMA /usr CACHE PATH
    "Where the command link, menu entry and icon go (e.g. ~/.local for a personal installation)")

set(PASTA_INSTALACAO ${CMAKE_CURRENT_LIST_DIR}/instalacao)

# The application folder.
install(TARGETS vexador-tarrim vexador-simulador vexador_nucleo vexador_janelas
        RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(FILES ${CONFIG_QZD} ${ENDERECOS_INI} ${DOCUMENTOS_PDF} DESTINATION .)
install(DIRECTORY ${PASTA_APLICACAO}/relatorio DESTINATION . OPTIONAL)
install(PROGRAMS ${PASTA_INSTALACAO}/vexador-tarrim.sh DESTINATION bin RENAME vexador-tarrim)

# Menu entry (written at install time, so it names the prefix actually installed to), icon and
# the command on the PATH.
set(ENTRADA_MENU ${CMAKE_BINARY_DIR}/instalacao/vexador-tarrim.desktop)
install(CODE "
  set(PREFIXO \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${PASTA_INSTALACAO}/vexador-tarrim.desktop.in\" \"${ENTRADA_MENU}\" @ONLY)
")
install(FILES ${ENTRADA_MENU} DESTINATION ${VEXADOR_PASTA_SISTEMA}/share/applications)
install(FILES ${PASTA_INSTALACAO}/vexador-tarrim.svg
        DESTINATION ${VEXADOR_PASTA_SISTEMA}/share/icons/hicolor/scalable/apps)
install(CODE "
  set(destino \"\$ENV{DESTDIR}${VEXADOR_PASTA_SISTEMA}/bin\")
  file(MAKE_DIRECTORY \"\${destino}\")
  file(CREATE_LINK \"\${CMAKE_INSTALL_PREFIX}/bin/vexador-tarrim\" \"\${destino}/vexador-tarrim\" SYMBOLIC)
  message(STATUS \"Installing: \${destino}/vexador-tarrim -> \${CMAKE_INSTALL_PREFIX}/bin/vexador-tarrim\")
")

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexador-tarrim)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vexador Tarrim")
set(CPACK_PACKAGE_CONTACT "Vexador Tarrim <suporte@vexador-tarrim.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Diagnostics console for phone logic boards in purple mode")
set(CPACK_PACKAGE_DESCRIPTION "Talks to the phone's diagnostics shell through a serial box, grades power \
rails against the references of a good board, reads the charger, port and display power chips, scans \
the I2C buses and tests display, NAND, radios, battery and memory. Includes a bench board that stands \
in for a phone (menu entry: demonstration board).")
# The package always installs to the same place, whatever prefix this build folder uses.
set(CPACK_PACKAGING_INSTALL_PREFIX ${PREFIXO_PACOTE})
# The menu entry, icon and command live outside the prefix (absolute destinations).
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt runtime, the SQLite driver, the platform plugins and Qt's own translations (its
# standard buttons in the program's language) are loaded at run time and would escape a
# library scan, so they are listed by hand.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6sql6-sqlite (>= 6.4), libqt6serialport6 (>= 6.4), libqt6charts6 (>= 6.4), qt6-qpa-plugins (>= 6.4), qt6-translations-l10n (>= 6.4)")
# Opening the PDF documents and the report pages goes through the desktop's default handlers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

# The tests that read the generated documents and build the package need them built first.
if(TARGET tst_documentos)
  add_dependencies(tst_documentos documentos_pdf)
endif()
if(TARGET tst_instalacao)
  add_dependencies(tst_instalacao vexador-tarrim vexador-simulador documentos_pdf config_qzd)
  if(TARGET paginas_relatorio)
    add_dependencies(tst_instalacao paginas_relatorio)
  endif()
endif()
