#!/usr/bin/env bash
# Builds the C++ test DLL (tests/cpp_dll/quillcpp.cpp) with mingw-w64 for 32-bit and 64-bit
# Windows, so that its exports carry real Itanium names (with "@N" on 32-bit stdcall functions),
# and checks that `quillon exports --undecorate` and `quillon map` give what
# tests/cpp_dll/quillcpp32.expected and quillcpp64.expected hold.
#
#   scripts/cpp-dll-check.sh [BUILD_DIR]      (default build/test: its quillon is used)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
quillon="$PWD/$build/src/cli/quillon"
[ -x "$quillon" ] || { echo "cpp-dll-check: $quillon is not built" >&2; exit 2; }
out="$PWD/build/cpp-dll-check"
rm -rf "$out" && mkdir -p "$out/settings"
status=0
for bits in 32 64; do
    case $bits in
        32) compiler=i686-w64-mingw32-g++ ;;
        64) compiler=x86_64-w64-mingw32-g++ ;;
    esac
    "$compiler" -shared -O1 -o "$out/quillcpp$bits.dll" tests/cpp_dll/quillcpp.cpp
    (cd "$out" && "$quillon" exports --undecorate "quillcpp$bits.dll" 2>/dev/null &&
        "$quillon" map --settings settings "quillcpp$bits.dll") > "$out/quillcpp$bits.txt"
    if diff -u "tests/cpp_dll/quillcpp$bits.expected" "$out/quillcpp$bits.txt"; then
        echo "cpp-dll-check: the $bits-bit C++ DLL's names and prototypes are as expected"
    else
        status=1
    fi
done
exit $status
