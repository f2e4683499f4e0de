# Cross-builds Quillon for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A build of the desktop program names the Qt built for Windows by scripts/build-qt-mingw.sh in
# QUILLON_WINDOWS_QT: its packages are found there, its tools (moc, rcc, uic) are the host's, and
# the programs use the shared mingw runtime that this Qt uses. Without it, every program is
# linked statically and needs no DLL beside it.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLON_WINDOWS_QT)
if(QUILLON_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH "${QUILLON_WINDOWS_QT}")
    set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools the cross build runs")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH
        "The CMake packages of the host's Qt")
else()
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
