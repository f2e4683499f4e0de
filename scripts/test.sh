#!/usr/bin/env bash
# Builds Quillon with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache finds the objects of another checkout of the same sources (paths below the checkout
# are hashed relative to it).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
build=${QUILLON_BUILD_DIR:-build/test}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_WERROR=ON "$@"
cmake --build "$build" --parallel 2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel 2
