#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each of them in turn, one process at a time, for a given time or number of executions.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [MAX_RUNS_PER_TARGET] [TARGET...]
#
# Defaults: 600 seconds and 10,000,000 executions per target, every target. The corpora grow in
# build/fuzz/corpus/<target>; a crashing input is written to build/fuzz/findings/<target>/.
# The summary lists the executions of each target; the exit status is 1 when a target failed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
runs=${2:-10000000}
shift $(($# < 2 ? $# : 2))
build=${QUILLON_FUZZ_BUILD_DIR:-build/fuzz}
# The targets write their scratch files to TMPDIR: memory-backed storage keeps them fast.
if [ -d /dev/shm ] && [ -z "${TMPDIR:-}" ]; then export TMPDIR=/dev/shm; fi

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (apt-get install clang libclang-rt-14-dev)" >&2; exit 2; }
# A build folder already made with the fuzz targets (CI's sanitizer build, say) is used as it is.
if ! grep -qx 'QUILLON_BUILD_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DQUILLON_BUILD_FUZZ=ON -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_GUI=OFF \
        -DQUILLON_BUILD_BENCH=OFF >/dev/null
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
cmake --build "$build" --target "${targets[@]}" -- -j2

# Seeds: the bundled sample DLLs for the executable readers, a small settings file for the
# settings parser, and a LIB file made from the samples when the quillon program is built.
seed() {
    local target=$1 corpus=$2
    case $target in
        settings_file_fuzz)
            printf '[Options]\r\nUseStatusBar=1\r\nUseLIBSortOrder=2\r\n[Folders]\r\nProgFolder=C:\\Q\\\r\n[Excludelist]\r\nListNum=1\r\nSymbol1=WEP\r\nCheck1=1\r\n[Exceptlist]\r\nModulename1=A\r\nFilename1=B.DLL\r\n[Colors]\r\nInfoWindow=255 255 225\r\n' \
                >"$corpus/seed.ini" ;;
        lib_reader_fuzz)
            local cli=${QUILLON_CLI:-build/test/src/cli/quillon}
            if [ -x "$cli" ] && [ ! -e "$corpus/seed.lib" ]; then
                "$cli" --quiet --settings "$build/seed-settings" samples/QUILLSMP.DLL "/s:$PWD/$corpus/seed.lib" || true
            fi ;;
        module_definition_fuzz)
            printf 'LIBRARY "QUILL.dll"\r\nDESCRIPTION \x27Quill\x27\r\nEXPORTS\r\n  Open @1 ; first\r\n  Close=CloseIt @2 PRIVATE\r\n  "@Fast@8" @3 DATA\r\n  Hidden @4 NONAME\r\n  NoOrdinal\r\n  Res @5 RESIDENTNAME 2\r\n' \
                >"$corpus/seed.def" ;;
        *)
            cp -n samples/*.DLL "$corpus/" 2>/dev/null || true ;;
    esac
}

status=0
summary=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    seed "$target" "$corpus"
    log="$build/$target.log"
    echo "== $target: up to $seconds s or $runs executions"
    set +e
    "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -runs="$runs" \
        -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1
    result=$?
    set -e
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    took=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | grep -o '[0-9]*' | tail -1)
    if [ "$result" -ne 0 ]; then
        status=1
        summary+=("$target: FAILED after ${executions:-?} executions (see $log and $findings)")
    else
        summary+=("$target: ${executions:-?} executions in ${took:-?} s, no failure")
    fi
done
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $status
