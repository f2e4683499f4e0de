#!/usr/bin/env bash
# Start-up of the desktop program: from the process's start to the first paint of the empty
# main window, and to the tree painted with a LIB file of 1,000,000 symbols given on the
# command line. Each is run ROUNDS times (default 7); the median is printed. Qt paints to the
# offscreen platform unless QT_QPA_PLATFORM says otherwise (e.g. xcb under Xvfb).
#
# usage: bench/gui/startup.sh [BUILD_DIR]        (default build/bench, a Release build with Qt)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/bench}
rounds=${ROUNDS:-7}
probe="$build/bench/startup_bench"
maker="$build/bench/make_big_lib"
[ -x "$probe" ] && [ -x "$maker" ] || { echo "build $build first (see the head of bench/end_to_end.sh)"; exit 2; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/settings"
export QUILLON_SETTINGS_DIR="$work/settings"
"$maker" "$work/big.lib" 10000 100 >/dev/null

# Milliseconds from before the program starts to the time it prints, then the processor
# milliseconds it used (the machine may be shared: the wall time waits for other work too).
run() {
    local start end cpu
    start=$(date +%s%N)
    end=$(/usr/bin/time -f '%U %S' -o "$work/cpu" "$probe" "$@" 2>/dev/null | tail -n 1)
    cpu=$(awk '{ printf "%.0f", ($1 + $2) * 1000 }' "$work/cpu")
    awk -v a="$start" -v b="$end" -v c="$cpu" 'BEGIN { printf "%.1f %s", (b - a) / 1e6, c }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

empty=() ; emptyCpu=() ; opened=() ; openedCpu=()
for ((r = 0; r < rounds; r++)); do
    read -r wall cpu <<<"$(run)"
    empty+=("$wall") ; emptyCpu+=("$cpu")
    read -r wall cpu <<<"$(run "$work/big.lib")"
    opened+=("$wall") ; openedCpu+=("$cpu")
done
echo "quillon32 start to first paint of the empty main window ($QT_QPA_PLATFORM): $(median "${empty[@]}") ms, processor $(median "${emptyCpu[@]}") ms (medians of $rounds)"
echo "quillon32 start to the tree painted with 1,000,000 symbols ($QT_QPA_PLATFORM): $(median "${opened[@]}") ms, processor $(median "${openedCpu[@]}") ms (medians of $rounds)"
