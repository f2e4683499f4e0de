#!/usr/bin/env bash
# Cross-builds the core, its tests and quillon.exe for 64-bit and 32-bit Windows with mingw-w64,
# runs the 64-bit tests under Wine, and checks that the 64-bit quillon.exe writes the same LIB
# file from the bundled sample as the Linux build does. The 32-bit build is compiled and linked
# but not run: these machines cannot execute 32-bit programs. Each build is packed as a zip.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache finds the objects of another checkout of the same sources (paths below the checkout
# are hashed relative to it).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
root=$(pwd)

scripts/install-deps.sh --windows
# LLVM's Demangle library for the cross builds, from the source of Debian's LLVM package.
scripts/fetch-llvm-demangle.sh >/dev/null

export WINEDEBUG=-all
export WINEPREFIX="$root/build/wine-prefix"
wine64=/usr/lib/wine/wine64

for arch in x86_64 i686; do
    cmake -S . -B "build/win-$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$arch.cmake" -DQUILLON_WERROR=ON \
        -DQUILLON_BUILD_GUI=OFF -DQUILLON_BUILD_BENCH=OFF
    cmake --build "build/win-$arch" --parallel 2
done

# The 64-bit core tests under Wine (its first start creates the prefix).
"$wine64" build/win-x86_64/tests/quillon_core_tests.exe --gtest_brief=1

# The same LIB file from both builds.
linux_build=${QUILLON_LINUX_BUILD:-build/test}
if [ ! -x "$linux_build/src/cli/quillon" ]; then
    cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
    cmake --build "$linux_build" --parallel 2 --target quillon
fi
out="$root/build/windows-check"
rm -rf "$out" && mkdir -p "$out/settings-linux" "$out/settings-windows"
"$linux_build/src/cli/quillon" --quiet --settings "$out/settings-linux" \
    samples/QUILLSMP.DLL samples/QUILL16.DLL "/s:$out/linux.lib"
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }
(cd samples && "$wine64" "$root/build/win-x86_64/src/cli/quillon.exe" --quiet \
    --settings "$(winpath "$out/settings-windows")" QUILLSMP.DLL QUILL16.DLL \
    "/s:$(winpath "$out/windows.lib")")
cmp "$out/linux.lib" "$out/windows.lib"
"$linux_build/src/cli/quillon" --quiet --settings "$out/settings-linux" \
    samples/QUILLSMP.DLL "/s:$out/linux-sample.lib"
echo "windows-check: the LIB file of quillon.exe equals the Linux build's ($(wc -c < "$out/linux.lib") bytes)"
ls -l build/win-i686/src/cli/quillon.exe build/win-i686/tests/quillon_core_tests.exe

# Real Itanium C++ names: a C++ DLL built with mingw-w64, read by the Linux build.
scripts/cpp-dll-check.sh "$linux_build"

# A zip of quillon.exe with the README, the help document and the samples for each architecture.
for arch in x86_64 i686; do
    (cd "build/win-$arch" && cpack -G ZIP >/dev/null)
    ls -l "build/win-$arch"/quillon-*.zip
done

# The desktop program, when a Qt built for Windows is in the cache (scripts/build-qt-mingw.sh).
qt_cache=${QUILLON_QT_CACHE:-$HOME/.cache/quillon}
qt=${QUILLON_WINDOWS_QT:-$(ls -d "$qt_cache"/qt-*-x86_64-w64-mingw32 2>/dev/null | tail -n 1 || true)}
if [ -z "$qt" ] || [ ! -f "$qt/quillon-qt.stamp" ]; then
    echo "windows-check: no Qt for Windows in $qt_cache; quillon32.exe not built (scripts/build-qt-mingw.sh builds it)"
    exit 0
fi
scripts/windows-desktop-check.sh "$qt" "$out/linux-sample.lib"
