#!/usr/bin/env bash
# Installs what Quillon needs, builds it, and makes a Clarion LIB file from the bundled sample
# DLL, then lists what the LIB file holds.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache finds the objects of another checkout of the same sources (paths below the checkout
# are hashed relative to it).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF \
    -DQUILLON_BUILD_BENCH=OFF
cmake --build build/release --parallel 2
quillon=build/release/src/cli/quillon
mkdir -p build/demo
# The main job: read the sample DLL's exports and write them as a Clarion LIB file.
"$quillon" --settings build/demo samples/QUILLSMP.DLL /s:build/demo/QUILLSMP.LIB
echo
echo "build/demo/QUILLSMP.LIB holds (module, symbol, ordinal, resident):"
"$quillon" exports build/demo/QUILLSMP.LIB
