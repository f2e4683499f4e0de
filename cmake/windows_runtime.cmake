# What quillon32.exe needs beside it on Windows: the Qt DLLs, the Windows platform plugin and
# the native widget style in the folders Qt looks for them in, and the shared mingw runtime. The
# copies in the package are stripped of their debugging information.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION "${quillon_bin_dir}")
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
    DESTINATION "${quillon_bin_dir}/platforms")
set(quillon_shipped_dlls Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll)
if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION "${quillon_bin_dir}/styles")
    list(APPEND quillon_shipped_dlls styles/qwindowsvistastyle.dll)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(quillon_runtime_dlls libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
else()
    set(quillon_runtime_dlls libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
endif()
foreach(dll IN LISTS quillon_runtime_dlls)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
        OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "The mingw runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    install(FILES "${dll_path}" DESTINATION "${quillon_bin_dir}")
    list(APPEND quillon_shipped_dlls ${dll})
endforeach()

if(CMAKE_STRIP)
    install(CODE "
        foreach(dll ${quillon_shipped_dlls})
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${quillon_bin_dir}/\${dll}\"
                RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR \"Stripping \${dll} failed\")
            endif()
        endforeach()")
endif()
