#!/usr/bin/env bash
# Cross-builds quillon32.exe against a Qt built for Windows (scripts/build-qt-mingw.sh), packs it
# with quillon.exe, the Qt and mingw runtime DLLs, the help document and the samples as a zip,
# and tries the unpacked zip under Wine on a virtual X display: quillon32.exe /s must write the
# same LIB file as the Linux build, and quillon32.exe started on a LIB file must show its main
# window (a screenshot of it is kept beside the zip).
#
#   scripts/windows-desktop-check.sh <Qt folder> [<LIB file of QUILLSMP.DLL made on Linux>]
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
root=$(pwd)
qt=${1:?the folder of the Qt built for Windows}
expected=${2:-}

scripts/install-deps.sh --windows
scripts/fetch-llvm-demangle.sh >/dev/null
export WINEDEBUG=-all
export WINEPREFIX="$root/build/wine-prefix"
wine64=/usr/lib/wine/wine64

build=build/win-desktop-x86_64
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DQUILLON_WINDOWS_QT="$qt" \
    -DQUILLON_WERROR=ON -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCH=OFF
cmake --build "$build" --parallel 2
rm -f "$build"/quillon-*.zip
(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(ls "$build"/quillon-*.zip)
echo "windows-desktop-check: $zip ($(stat -c %s "$zip") bytes)"

# The zip unpacked into an empty folder, so that nothing from outside it is used.
out="$root/build/windows-desktop"
rm -rf "$out" && mkdir -p "$out/settings"
unzip -q "$zip" -d "$out"
app=$(ls -d "$out"/quillon-*/)
export QUILLON_SETTINGS_DIR
QUILLON_SETTINGS_DIR=$(printf 'Z:%s' "$out/settings" | tr '/' '\\')

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

# The silent run: the same LIB file as the Linux build's, and the message that says so.
(cd "$app/samples" && "$wine64" ../quillon32.exe QUILLSMP.DLL /s:OUT.LIB) &
silent=$!
if box=$(timeout 90 xdotool search --sync --name "LIB-file created" | head -n 1) && [ -n "$box" ]; then
    import -display "$display" -window root "$out/quillon32-silent.png"
    xdotool key --window "$box" Return
else
    echo "windows-desktop-check: quillon32.exe /s showed no result message within 90 s"
fi
if ! timeout 60 tail --pid="$silent" -f /dev/null; then
    echo "windows-desktop-check: quillon32.exe /s did not end"
    exit 1
fi
wait "$silent"
test -s "$app/samples/OUT.LIB"
if [ -n "$expected" ]; then
    cmp "$expected" "$app/samples/OUT.LIB"
    echo "windows-desktop-check: quillon32.exe /s wrote the same LIB file as the Linux build"
fi

# The window on a LIB file.
(cd "$app/samples" && "$wine64" ../quillon32.exe OUT.LIB >/dev/null 2>&1 &)
if ! window=$(timeout 90 xdotool search --sync --onlyvisible --name "Clarion Quillon 32" | head -n 1); then
    echo "windows-desktop-check: quillon32.exe showed no main window within 90 s"
    exit 1
fi
sleep 3
import -display "$display" -window root "$out/quillon32.png"
echo "windows-desktop-check: main window '$(xdotool getwindowname "$window")' shown; screenshot $out/quillon32.png"
