# Installing Quillon (cmake --install) and packaging it (cpack): the programs, the help document,
# the samples, the desktop entry with its icons and MIME type, and the manual pages.
include(GNUInstallDirs)

# On Windows everything a user starts or reads lies in one folder, as a zip unpacks it.
if(WIN32)
    set(quillon_bin_dir .)
    set(quillon_doc_dir .)
    set(quillon_samples_dir samples)
else()
    set(quillon_bin_dir "${CMAKE_INSTALL_BINDIR}")
    # Named after the package, as the manual pages name it.
    set(quillon_doc_dir "${CMAKE_INSTALL_DATAROOTDIR}/doc/quillon")
    set(quillon_samples_dir "${CMAKE_INSTALL_DATADIR}/quillon/samples")
endif()

install(TARGETS quillon RUNTIME DESTINATION "${quillon_bin_dir}")
install(FILES README.md src/app/help/Quillon32.html DESTINATION "${quillon_doc_dir}")
install(FILES samples/QUILLSMP.DLL samples/QUILL16.DLL DESTINATION "${quillon_samples_dir}")

if(TARGET quillon32)
    install(TARGETS quillon32 RUNTIME DESTINATION "${quillon_bin_dir}")
    if(WIN32)
        include(cmake/windows_runtime.cmake)
    endif()
    if(NOT WIN32)
        install(FILES packaging/quillon32.desktop
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
        install(FILES packaging/quillon-clarion-lib.xml
            DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
        foreach(size 16 24 32 48 64 128 256)
            install(FILES "packaging/icons/quillon32-${size}.png"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
                RENAME quillon32.png)
        endforeach()
    endif()
endif()

# The manual pages: quillon's is made from its own help texts (`quillon --help` and each
# command's), so that the two say the same; a cross build installs none of it.
if(NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
    set(man_page "${CMAKE_BINARY_DIR}/quillon.1")
    add_custom_command(OUTPUT "${man_page}"
        COMMAND "${CMAKE_COMMAND}" "-DQUILLON=$<TARGET_FILE:quillon>"
            "-DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/quillon.1.in"
            "-DOUTPUT=${man_page}" "-DVERSION=${PROJECT_VERSION}"
            -P "${PROJECT_SOURCE_DIR}/cmake/make_manual.cmake"
        DEPENDS quillon "${PROJECT_SOURCE_DIR}/packaging/quillon.1.in"
            "${PROJECT_SOURCE_DIR}/cmake/make_manual.cmake"
        COMMENT "Making the manual page of quillon")
    add_custom_target(quillon_man ALL DEPENDS "${man_page}")
    install(FILES "${man_page}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    if(TARGET quillon32)
        configure_file(packaging/quillon32.1.in "${CMAKE_BINARY_DIR}/quillon32.1" @ONLY)
        install(FILES "${CMAKE_BINARY_DIR}/quillon32.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    endif()
endif()

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon developers <quillon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Makes Clarion LIB files from the exports of Windows DLLs")
set(CPACK_PACKAGE_DESCRIPTION
    "Clarion Quillon 32 reads the exports of Windows executables (16-bit NE, 32-bit PE), keeps them as an editable library of modules and symbols, and writes that library as a Clarion LIB file. It comes as the desktop program quillon32 and the command-line program quillon.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_GENERATOR "TGZ")
if(NOT WIN32)
    find_program(DPKG_PROGRAM dpkg)
    if(DPKG_PROGRAM)
        list(APPEND CPACK_GENERATOR "DEB")
    endif()
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# dpkg-shlibdeps finds the Qt 6 and C++ runtime packages the programs link against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(WIN32 AND TARGET quillon32)
    include(cmake/windows_installer.cmake)
endif()
include(CPack)
