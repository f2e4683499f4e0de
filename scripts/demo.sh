#!/usr/bin/env bash
# Installs what Quillon needs, builds it, and makes a Clarion LIB file from the bundled samples.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF
cmake --build build/release --parallel 2
quillon=build/release/src/cli/quillon
"$quillon" --help
