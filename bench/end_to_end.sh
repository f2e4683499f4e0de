#!/usr/bin/env bash
# The speed figures of the program, each beside its reference measured in the same run and the
# goal it is held to:
#   1. quillon <the libwine i386 DLLs> /s:all.lib  against one llvm-readobj --coff-exports over
#      the same files (goal: ratio at most 0.25);
#   2. quillon big.lib /s:out.lib (1,000,000 symbols in 10,000 modules) against cp of the file
#      (goal: at most 3), with the peak memory of the quillon run (goal: at most 90 MB) and a
#      byte comparison of output and input;
#   3. the figures of the benchmark programs built beside quillon, when they are: the query of
#      ten keywords over 1,000,000 names against grep (query_bench), comparing every module of
#      the libwine library against reading those DLLs' exports (compare_bench), and opening and
#      sorting the 1,000,000-symbol file in the desktop program (library_window_bench).
# The two commands of a pair run alternately ROUNDS times (default 7); the median ratio is
# printed, and the processor time (user + system) of both sides beside the wall time, since
# the machine may be shared. The first pair is skipped when the DLLs or llvm-readobj are absent.
#
# usage: bench/end_to_end.sh [BUILD_DIR]        (default build/bench, a Release build)
#   build it with: cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
#                        -DQUILLON_BUILD_TESTS=OFF && cmake --build build/bench
#   (the whole build makes the benchmark programs too; --target quillon make_big_lib is enough
#   for the first two figures)
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

# Seconds of wall time and of processor time (user + system) of one command: "wall cpu".
seconds() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -o "$work/times" -f '%U %S' "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    awk -v a="$start" -v b="$end" -v t="$(tail -n 1 "$work/times")" \
        'BEGIN { split(t, f, " "); printf "%.6f %.6f", (b - a) / 1e9, f[1] + f[2] }'
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# Runs the pair alternately and prints the medians and the median ratios (wall and processor).
compare() {
    local label=$1 goal=$2 ; shift 2
    local -a ours=() refs=() ratios=() ourCpu=() refCpu=() cpuRatios=()
    local sep
    sep=$(printf '%s\n' "$@" | grep -n '^--$' | cut -d: -f1)
    local -a a=("${@:1:sep-1}") b=("${@:sep+1}")
    for ((r = 0; r < rounds; r++)); do
        local xw xc yw yc
        read -r xw xc <<<"$(seconds "${a[@]}")"
        read -r yw yc <<<"$(seconds "${b[@]}")"
        ours+=("$xw"); refs+=("$yw"); ourCpu+=("$xc"); refCpu+=("$yc")
        ratios+=("$(awk -v a="$xw" -v b="$yw" 'BEGIN { printf "%.6f", (b > 0 ? a / b : 0) }')")
        cpuRatios+=("$(awk -v a="$xc" -v b="$yc" 'BEGIN { printf "%.6f", (b > 0 ? a / b : 0) }')")
    done
    printf '%-28s quillon %.3f s   reference %.3f s   ratio %.2f (median of %d; goal %s)\n' \
        "$label" "$(median "${ours[@]}")" "$(median "${refs[@]}")" "$(median "${ratios[@]}")" \
        "$rounds" "$goal"
    printf '%-28s processor time: quillon %.3f s   reference %.3f s   ratio %.2f\n' "" \
        "$(median "${ourCpu[@]}")" "$(median "${refCpu[@]}")" "$(median "${cpuRatios[@]}")"
}

# The lines of a benchmark program built beside quillon, when it is.
benchmarkFigures() {
    local label=$1 program=$2 filter=$3 goal=$4
    if [ -x "$program" ]; then
        echo "$label (goal: $goal):"
        "$program" --benchmark_filter="$filter" 2>/dev/null | grep -E '^BM_' | sed 's/^/    /' || true
    else
        echo "$label: skipped (build $(basename "$program") in $build)"
    fi
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
    compare "DLLs (${#files[@]} files):" "at most 0.25" \
        "$quillon" --quiet --settings "$work/settings" "${files[@]}" "/s:$work/all.lib" -- \
        llvm-readobj --coff-exports "${files[@]}"
else
    echo "DLLs: skipped (no libwine DLLs in $dlls, or no llvm-readobj)"
fi

"$maker" "$work/big.lib" 10000 100
compare "LIB of 1,000,000 symbols:" "at most 3" \
    "$quillon" --quiet --settings "$work/settings" "$work/big.lib" "/s:$work/out.lib" -- \
    cp "$work/big.lib" "$work/copy.lib"
peak=$(/usr/bin/time -f '%M' "$quillon" --quiet --settings "$work/settings" "$work/big.lib" \
    "/s:$work/out.lib" 2>&1 >/dev/null | tail -n 1)
echo "LIB of 1,000,000 symbols:    peak memory $((peak / 1024)) MB ($(stat -c %s "$work/big.lib") bytes in; goal at most 90 MB)"
if cmp -s "$work/big.lib" "$work/out.lib"; then
    echo "LIB of 1,000,000 symbols:    output byte-identical to the input"
else
    echo "LIB of 1,000,000 symbols:    output DIFFERS from the input"
    exit 1
fi

benchmarkFigures "Query, ten keywords over 1,000,000 names" "$build/bench/query_bench" \
    'BM_QueryTenOrKeywords|BM_ScanTenOrKeywords|BM_GrepSameOrKeywords' \
    "processor time at most 2 x grep_cpu_ms"
QUILLON_WINE_DLLS=$dlls benchmarkFigures "Compare every module of the libwine library with its DLL" \
    "$build/bench/compare_bench" 'BM_ReadExportsOfEveryDll|BM_CompareEveryModuleWithItsLocatedDll' \
    "at most 2 x BM_ReadExportsOfEveryDll"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} benchmarkFigures "Desktop program" \
    "$build/bench/library_window_bench" 'BM_OpenLibFileUntilTreeShown|BM_SortFromMenu|Start' \
    "open under 150 ms, sort under 200 ms, start-up under 300 ms"
