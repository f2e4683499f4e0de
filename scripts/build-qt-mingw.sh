#!/usr/bin/env bash
# Builds the part of Qt that quillon32.exe needs (Core, Gui, Widgets and the Windows platform
# plugin) for Windows with mingw-w64, from the Qt base source of Debian's own source package,
# and installs it into a cache folder outside the work tree. Does nothing when the cache
# already holds a Qt built from the same source with the same settings.
#
#   scripts/build-qt-mingw.sh
#
# It builds for 64-bit Windows (x86_64-w64-mingw32) only: the 32-bit desktop program could not
# be tried on these machines, which cannot run 32-bit programs.
#
# The cache folder is $QUILLON_QT_CACHE, or ~/.cache/quillon. The Qt lands in
# <cache>/qt-<version>-<arch>-w64-mingw32; the script prints that folder last.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=x86_64
triple="$arch-w64-mingw32"
cache=${QUILLON_QT_CACHE:-$HOME/.cache/quillon}
source_package=qt6-base
started=$(date +%s)
say() { echo "build-qt-mingw: $* ($(( $(date +%s) - started )) s)"; }

scripts/install-deps.sh --windows

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
. "$(dirname "$0")/apt-lib.sh"

# The features of Qt the desktop program uses; everything else is left out. Tablet events need
# the wintab headers, which Debian's repacked source lacks. OpenGL stays on: the Windows
# platform plugin of this Qt version does not compile without it (it is loaded at run time).
# The Direct2D platform plugin (a second build of the Windows one), the PDF writer and the
# Markdown and ODF text formats are nothing the program uses. The DirectWrite font database is
# compiled into Qt Gui only beside Direct2D, yet the Windows platform plugin asks for it whenever
# DirectWrite 3 is found: without Direct2D it has to go too (the plugin then uses GDI fonts).
features=(
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_opengl_dynamic=ON -DFEATURE_freetype=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_sessionmanager=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_pdf=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
)

# The source: Debian's qt6-base of the release this machine runs.
mkdir -p "$cache/qt-src"
dsc=$(ls "$cache/qt-src"/${source_package}_*.dsc 2>/dev/null | tail -n 1 || true)
if [ -z "$dsc" ]; then
    apt_enable_source "$source_package"
    say "downloading the source of $source_package"
    (cd "$cache/qt-src" && apt-get source --download-only "$source_package" 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
    dsc=$(ls "$cache/qt-src"/${source_package}_*.dsc | tail -n 1)
fi
debian_version=$(sed -n 's/^Version: //p' "$dsc")
upstream=${debian_version%%+*}
upstream=${upstream%%-*}
stamp="$source_package $debian_version $triple ${features[*]}"
prefix="$cache/qt-$upstream-$triple"

if [ -f "$prefix/quillon-qt.stamp" ] && [ "$(cat "$prefix/quillon-qt.stamp")" = "$stamp" ]; then
    say "Qt $upstream for $triple is already built"
    echo "$prefix"
    exit 0
fi

orig=$(ls "$cache/qt-src"/${source_package}_"${debian_version%-*}".orig.tar.* | head -n 1)
src="$cache/qt-src/qtbase-$upstream"
if [ ! -f "$src/CMakeLists.txt" ]; then
    say "unpacking $(basename "$orig")"
    rm -rf "$src" && mkdir -p "$src"
    tar -xf "$orig" -C "$src" --strip-components=1
fi

# The cross toolchain for Qt itself: the shared mingw runtime (the program's zip carries it).
# A build folder configured from the same source with the same settings is built on where it
# stopped (a run cut short loses nothing); any other starts afresh.
build="$cache/qt-build-$triple"
if [ -f "$build/quillon-qt.stamp" ] && [ "$(cat "$build/quillon-qt.stamp")" = "$stamp" ] &&
   [ -f "$build/build.ninja" ]; then
    say "going on with the Qt $upstream build in $build"
else
    rm -rf "$build" "$prefix" && mkdir -p "$build"
    cat > "$build/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $arch)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_CXX_COMPILER $triple-g++-posix)
set(CMAKE_RC_COMPILER $triple-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triple)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF

    say "configuring Qt $upstream for $triple"
    cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$build/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DBUILD_SHARED_LIBS=ON "${features[@]}" > "$build/configure.log" \
        || { tail -n 40 "$build/configure.log"; exit 1; }
    echo "$stamp" > "$build/quillon-qt.stamp"
fi

say "building Qt $upstream for $triple (about 1,000 steps; half an hour or more)"
jobs=${QUILLON_QT_JOBS:-$(nproc)}
cmake --build "$build" --parallel "$jobs" > "$build/build.log" 2>&1 \
    || { grep -A12 -m 3 -E '^FAILED:' "$build/build.log" | head -n 80; tail -n 3 "$build/build.log"; exit 1; }
cmake --install "$build" > "$build/install.log"
echo "$stamp" > "$prefix/quillon-qt.stamp"
rm -rf "$build"
say "Qt $upstream for $triple is built ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
