#!/usr/bin/env bash
# Configures the Windows build of one architecture in build/win-<arch>, as every Windows script
# shares it: Release, warnings as errors, no benchmarks, the core and the programs built a batch
# of sources at a time.
#
#   scripts/windows-build.sh x86_64|i686 [<Qt folder>]
#
# x86_64 builds the core tests too, and quillon32.exe when a Qt built for Windows is named; the
# 32-bit build makes quillon.exe only (its tests could not run on these machines).
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:?x86_64 or i686}
qt=${2:-}
build="build/win-$arch"
options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$arch.cmake"
         -DQUILLON_WERROR=ON -DQUILLON_BUILD_BENCH=OFF -DQUILLON_UNITY_BUILD=ON
         -DQUILLON_WINDOWS_QT="$qt")
if [ "$arch" = i686 ]; then
    options+=(-DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_GUI=OFF)
fi
# A folder configured with another Qt (or none) starts afresh: the toolchain's choices are
# made once per folder.
if [ -f "$build/CMakeCache.txt" ] &&
   [ "$(sed -n 's/^QUILLON_WINDOWS_QT:[A-Z]*=//p' "$build/CMakeCache.txt")" != "$qt" ]; then
    rm -rf "$build"
fi
cmake -S . -B "$build" -G Ninja "${options[@]}" > /dev/null
