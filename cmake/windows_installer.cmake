# The Windows setup program (cpack -G NSIS, with Debian's nsis): installs the programs, the
# Qt and runtime DLLs, the help and the samples under Program Files, adds a Start-menu entry
# with the program's icon and an uninstaller listed in "Apps and features" with version and
# publisher, optionally opens .lib files with the program, and installs and uninstalls silently
# with /S. Its name is quillon-<version>-win64-setup.exe (win32 for the 32-bit build).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
else()
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
endif()
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Clarion Quillon 32")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Clarion Quillon 32")
set(CPACK_NSIS_PACKAGE_NAME "Clarion Quillon 32")
set(CPACK_NSIS_DISPLAY_NAME "Clarion Quillon 32 ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/quillon32.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/packaging/windows/quillon32.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "quillon32.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_PACKAGE_EXECUTABLES "quillon32" "Clarion Quillon 32")
set(CPACK_NSIS_MENU_LINKS "Quillon32.html" "Clarion Quillon 32 Help")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN "quillon32.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_UNINSTALL_NAME "Uninstall")

# CPack's own installer script with one addition: the optional .lib association
# (packaging/windows/lib_association.nsh) on a components page, removed again on uninstall.
set(quillon_nsis_templates "${CMAKE_BINARY_DIR}/nsis-template")
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" quillon_nsis_template)
string(REPLACE "Section \"-Core installation\""
    "!include \"${PROJECT_SOURCE_DIR}/packaging/windows/lib_association.nsh\"\n\nSection \"-Core installation\""
    quillon_nsis_template "${quillon_nsis_template}")
# The 64-bit build's setup program is itself a 64-bit program (NSIS's amd64 stubs), so that
# it runs wherever the program does.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    string(REPLACE "  !define VERSION " "  Target amd64-unicode\n  !define VERSION "
        quillon_nsis_template "${quillon_nsis_template}")
endif()
string(REPLACE "@CPACK_NSIS_PAGE_COMPONENTS@" "!insertmacro MUI_PAGE_COMPONENTS"
    quillon_nsis_template "${quillon_nsis_template}")
string(FIND "${quillon_nsis_template}" "lib_association.nsh" quillon_nsis_found)
if(quillon_nsis_found EQUAL -1)
    message(FATAL_ERROR "CPack's NSIS template has no core installation section to extend")
endif()
file(WRITE "${quillon_nsis_templates}/NSIS.template.in" "${quillon_nsis_template}")
set(CPACK_MODULE_PATH "${quillon_nsis_templates}" ${CMAKE_MODULE_PATH})
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!insertmacro QuillonRemoveLibAssociation")

# The setup program's own name; the zip keeps the package's.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/cpack-project-config.cmake")
file(WRITE "${CPACK_PROJECT_CONFIG_FILE}"
    "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n"
    "    set(CPACK_PACKAGE_FILE_NAME \"\${CPACK_PACKAGE_FILE_NAME}-setup\")\n"
    "endif()\n")
