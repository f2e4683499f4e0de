#!/usr/bin/env bash
# End-to-end speed of whole quillon runs, each against a reference measured in the same run:
#   1. quillon <the libwine i386 DLLs> /s:all.lib  against one llvm-readobj --coff-exports over
#      the same files;
#   2. quillon big.lib /s:out.lib (1,000,000 symbols in 10,000 modules) against cp of the file,
#      with the peak memory of the quillon run and a byte comparison of output and input.
# The two commands of a pair run alternately ROUNDS times (default 7); the median ratio is
# printed. The first pair is skipped when the DLLs or llvm-readobj are absent.
#
# usage: bench/end_to_end.sh [BUILD_DIR]        (default build/bench, a Release build)
#   build it with: cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
#                        -DQUILLON_BUILD_TESTS=OFF && cmake --build build/bench
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
rounds=${ROUNDS:-7}
quillon="$build/src/cli/quillon"
maker="$build/bench/make_big_lib"
dlls=${QUILLON_WINE_DLLS:-/opt/libwine-i386/usr/lib/i386-linux-gnu/wine/i386-windows}
[ -x "$quillon" ] && [ -x "$maker" ] || { echo "build $build first (see the head of $0)"; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/settings"

# Seconds of wall time of one command, as a decimal number.
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f", (b - a) / 1e9 }'
}

# Runs the pair alternately and prints the medians and the median ratio.
compare() {
    local label=$1 ; shift
    local -a ours=() refs=() ratios=()
    local sep
    sep=$(printf '%s\n' "$@" | grep -n '^--$' | cut -d: -f1)
    local -a a=("${@:1:sep-1}") b=("${@:sep+1}")
    for ((r = 0; r < rounds; r++)); do
        local x y
        x=$(seconds "${a[@]}")
        y=$(seconds "${b[@]}")
        ours+=("$x"); refs+=("$y"); ratios+=("$(awk -v a="$x" -v b="$y" 'BEGIN { printf "%.6f", a / b }')")
    done
    median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
    printf '%-28s quillon %.3f s   reference %.3f s   ratio %.2f (median of %d)\n' "$label" \
        "$(median "${ours[@]}")" "$(median "${refs[@]}")" "$(median "${ratios[@]}")" "$rounds"
}

if [ -d "$dlls" ] && command -v llvm-readobj >/dev/null; then
    # The DLLs llvm-readobj reads without error and that export names (it stops at a file it
    # cannot parse, which would cut its side of the comparison short).
    files=()
    while IFS= read -r f; do
        # grep reads to the end: stopping early would end llvm-readobj with SIGPIPE, which
        # pipefail counts as a failure, and drop files at random.
        if llvm-readobj --coff-exports "$f" 2>/dev/null | grep '^ *Name: .' >/dev/null; then
            files+=("$f")
        fi
    done < <(find "$dlls" -maxdepth 1 -name '*.dll' | sort)
    compare "DLLs (${#files[@]} files):" \
        "$quillon" --quiet --settings "$work/settings" "${files[@]}" "/s:$work/all.lib" -- \
        llvm-readobj --coff-exports "${files[@]}"
else
    echo "DLLs: skipped (no libwine DLLs in $dlls, or no llvm-readobj)"
fi

"$maker" "$work/big.lib" 10000 100
compare "LIB of 1,000,000 symbols:" \
    "$quillon" --quiet --settings "$work/settings" "$work/big.lib" "/s:$work/out.lib" -- \
    cp "$work/big.lib" "$work/copy.lib"
peak=$(/usr/bin/time -f '%M' "$quillon" --quiet --settings "$work/settings" "$work/big.lib" \
    "/s:$work/out.lib" 2>&1 >/dev/null | tail -n 1)
echo "LIB of 1,000,000 symbols:    peak memory $((peak / 1024)) MB ($(stat -c %s "$work/big.lib") bytes in)"
if cmp -s "$work/big.lib" "$work/out.lib"; then
    echo "LIB of 1,000,000 symbols:    output byte-identical to the input"
else
    echo "LIB of 1,000,000 symbols:    output DIFFERS from the input"
    exit 1
fi
