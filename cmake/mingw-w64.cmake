# The part of the mingw-w64 toolchain files (mingw-w64-x86_64.cmake, mingw-w64-i686.cmake) that
# is the same for both; they set QUILLON_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${QUILLON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLON_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A build of the desktop program names the Qt built for Windows by scripts/build-qt-mingw.sh in
# QUILLON_WINDOWS_QT: its packages are found there and its tools (moc, rcc, uic) are the host's.
# The desktop program uses the shared mingw runtime that this Qt uses; every other program is
# linked statically (see the top CMakeLists.txt).
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLON_WINDOWS_QT)
if(QUILLON_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH "${QUILLON_WINDOWS_QT}")
    set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools the cross build runs")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH
        "The CMake packages of the host's Qt")
endif()
