#!/usr/bin/env bash
# Cross-builds Quillon for Windows with mingw-w64 and tries it under Wine:
# - 64-bit: the core, its tests and quillon.exe, and quillon32.exe when a Qt built for Windows
#   is in the cache (scripts/build-qt-mingw.sh), all in one build folder. The core tests run
#   under Wine, and quillon.exe must write the same LIB file from the bundled samples as the
#   Linux build does, also when the files lie in a folder named outside Windows-1252.
# - 32-bit: quillon.exe only, compiled and linked but not run: these machines cannot execute
#   32-bit programs, so its tests are not built.
# Each build is packed as a zip; the desktop program's setup program is made and tried by
# scripts/windows-desktop-check.sh.
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
# Wine hands the command line over in Unicode as the locale's character set spells it.
export LC_ALL=C.UTF-8
wine64=/usr/lib/wine/wine64

qt_cache=${QUILLON_QT_CACHE:-$HOME/.cache/quillon}
qt=${QUILLON_WINDOWS_QT:-$(ls -d "$qt_cache"/qt-*-x86_64-w64-mingw32 2>/dev/null | tail -n 1 || true)}
if [ -n "$qt" ] && [ ! -f "$qt/quillon-qt.stamp" ]; then
    qt=""
fi

scripts/windows-build.sh x86_64 "$qt"
cmake --build build/win-x86_64 --parallel 2
scripts/windows-build.sh i686 ""
cmake --build build/win-i686 --parallel 2

# The 64-bit core tests under Wine (its first start creates the prefix).
"$wine64" build/win-x86_64/tests/quillon_core_tests.exe --gtest_brief=1

# The same LIB file from both builds, and from a folder whose name Windows-1252 cannot hold
# (Cyrillic and Greek), named on the command line in full.
linux_build=${QUILLON_LINUX_BUILD:-build/test}
if [ ! -x "$linux_build/src/cli/quillon" ]; then
    cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
    cmake --build "$linux_build" --parallel 2 --target quillon
fi
out="$root/build/windows-check"
unicode="$out/Библиотеки Ωμέγα"
rm -rf "$out" && mkdir -p "$out/settings-linux" "$out/settings-windows" "$unicode"
"$linux_build/src/cli/quillon" --quiet --settings "$out/settings-linux" \
    samples/QUILLSMP.DLL samples/QUILL16.DLL "/s:$out/linux.lib"
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }
quillon_exe="$root/build/win-x86_64/src/cli/quillon.exe"
(cd samples && "$wine64" "$quillon_exe" --quiet \
    --settings "$(winpath "$out/settings-windows")" QUILLSMP.DLL QUILL16.DLL \
    "/s:$(winpath "$out/windows.lib")")
cmp "$out/linux.lib" "$out/windows.lib"
cp samples/QUILLSMP.DLL samples/QUILL16.DLL "$unicode/"
"$wine64" "$quillon_exe" --quiet --settings "$(winpath "$unicode/settings")" \
    "$(winpath "$unicode/QUILLSMP.DLL")" "$(winpath "$unicode/QUILL16.DLL")" \
    "/s:$(winpath "$unicode/Библиотека.lib")"
cmp "$out/linux.lib" "$unicode/Библиотека.lib"
# A target written with "/" is taken in the Windows form where it enters (an input file written
# so would end the input files, as a parameter holding "/" does on Windows). The result message
# goes to the error stream.
created=$("$wine64" "$quillon_exe" --settings "$(winpath "$out/settings-windows")" \
    "$(winpath "$root/samples/QUILLSMP.DLL")" "/s:Z:$out/slashes.lib" 2>&1 | tr -d '\r')
if ! grep -qF "Created LIB-file: $(winpath "$out/slashes.lib")" <<< "$created"; then
    echo "windows-check: quillon.exe did not take a path written with / in the Windows form"
    echo "$created"
    exit 1
fi
"$linux_build/src/cli/quillon" --quiet --settings "$out/settings-linux" \
    samples/QUILLSMP.DLL "/s:$out/linux-sample.lib"
echo "windows-check: the LIB files of quillon.exe equal the Linux build's ($(wc -c < "$out/linux.lib") bytes), also from '$(basename "$unicode")'"
ls -l build/win-i686/src/cli/quillon.exe

# Real Itanium C++ names: a C++ DLL built with mingw-w64, read by the Linux build.
scripts/cpp-dll-check.sh "$linux_build"

# A zip of each build with the README, the help document and the samples (the 64-bit one with
# the desktop program and its DLLs when it was built).
for arch in x86_64 i686; do
    rm -f "build/win-$arch"/quillon-*.zip
    (cd "build/win-$arch" && cpack -G ZIP >/dev/null)
    ls -l "build/win-$arch"/quillon-*.zip
done

if [ -z "$qt" ]; then
    echo "windows-check: no Qt for Windows in $qt_cache; quillon32.exe not built (scripts/build-qt-mingw.sh builds it)"
    exit 0
fi
scripts/windows-desktop-check.sh "$qt" "$out/linux-sample.lib"
