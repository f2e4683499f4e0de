#!/usr/bin/env bash
# Builds quillon32.exe against a Qt built for Windows (scripts/build-qt-mingw.sh) in the shared
# 64-bit build folder, packs it with quillon.exe, the Qt and mingw runtime DLLs, the help
# document and the samples as a zip and as a setup program, and tries both under Wine on a
# virtual X display:
# - the unpacked zip: quillon32.exe /s must write the same LIB file as the Linux build, and
#   quillon32.exe started on a LIB file must show its main window;
# - the setup program (unless QUILLON_CHECK_SETUP=0), in a fresh Wine prefix: a silent install
#   (/S) puts the files under Program Files with a Start-menu entry and an uninstaller entry; the installed quillon32.exe
#   /s writes the same LIB file from a folder named outside Windows-1252 and, with the program
#   folder read-only, keeps its settings in %APPDATA%\Quillon; a silent uninstall removes the
#   program folder. Then the setup program is run by hand, page by page.
# Screenshots of each step are kept in build/windows-desktop.
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
export LC_ALL=C.UTF-8
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

build=build/win-x86_64
scripts/windows-build.sh x86_64 "$qt"
cmake --build "$build" --parallel 2 --target quillon quillon32
rm -f "$build"/quillon-*.zip "$build"/quillon-*-setup.exe
# QUILLON_CHECK_SETUP=0 leaves the setup program out, for a quicker look at the zip alone.
check_setup=${QUILLON_CHECK_SETUP:-1}
generators=ZIP
[ "$check_setup" = 1 ] && generators="ZIP;NSIS"
(cd "$build" && cpack -G "$generators" >/dev/null)
zip=$(ls "$build"/quillon-*.zip)
echo "windows-desktop-check: $zip ($(stat -c %s "$zip") bytes)"
setup=""
if [ "$check_setup" = 1 ]; then
    setup=$(ls "$root/$build"/quillon-*-setup.exe)
    echo "windows-desktop-check: $setup ($(stat -c %s "$setup") bytes)"
fi

out="$root/build/windows-desktop"
rm -rf "$out" && mkdir -p "$out/settings"
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
readonly_folder=""
cleanup() {
    [ -n "$readonly_folder" ] && chattr -i "$readonly_folder" 2>/dev/null
    [ -n "$readonly_folder" ] && chmod u+w "$readonly_folder" 2>/dev/null
    "$wineserver" -k 2>/dev/null || true
    kill $xvfb 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
shot() { import -display "$display" -window root "$out/$1.png"; }

# Runs quillon32.exe /s in <folder> on <DLL> into <LIB>, answers its result message and waits
# for it to end.
silent_run() {
    local exe=$1 folder=$2 dll=$3 lib=$4 name=$5
    (cd "$folder" && "$wine64" "$exe" "$dll" "/s:$lib") &
    local silent=$!
    local box
    if box=$(timeout 90 xdotool search --sync --name "LIB-file created" | head -n 1) && [ -n "$box" ]; then
        shot "$name"
        xdotool key --window "$box" Return
    else
        echo "windows-desktop-check: $exe /s showed no result message within 90 s"
    fi
    if ! timeout 60 tail --pid="$silent" -f /dev/null; then
        echo "windows-desktop-check: $exe /s did not end"
        exit 1
    fi
    wait "$silent"
}

same_as_linux() {
    test -s "$1"
    if [ -n "$expected" ]; then
        cmp "$expected" "$1"
        echo "windows-desktop-check: $2 wrote the same LIB file as the Linux build"
    fi
}

# ---- The zip, unpacked into an empty folder so that nothing from outside it is used.
export WINEPREFIX="$root/build/wine-prefix"
unzip -q "$zip" -d "$out"
app=$(ls -d "$out"/quillon-*/)
QUILLON_SETTINGS_DIR=$(winpath "$out/settings") \
    silent_run ../quillon32.exe "$app/samples" QUILLSMP.DLL OUT.LIB quillon32-silent
same_as_linux "$app/samples/OUT.LIB" "quillon32.exe /s"

(cd "$app/samples" && QUILLON_SETTINGS_DIR=$(winpath "$out/settings") \
    "$wine64" ../quillon32.exe OUT.LIB >/dev/null 2>&1 &)
if ! window=$(timeout 90 xdotool search --sync --onlyvisible --name "Clarion Quillon 32" | head -n 1); then
    echo "windows-desktop-check: quillon32.exe showed no main window within 90 s"
    exit 1
fi
sleep 3
shot quillon32
echo "windows-desktop-check: main window '$(xdotool getwindowname "$window")' shown; screenshot $out/quillon32.png"
"$wineserver" -k 2>/dev/null || true
if [ "$check_setup" != 1 ]; then
    echo "windows-desktop-check: the setup program was not tried (QUILLON_CHECK_SETUP=0)"
    exit 0
fi

# ---- The setup program, installed silently into a fresh prefix.
export WINEPREFIX="$root/build/wine-prefix-setup"
"$wineserver" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
"$wine64" wineboot --init >/dev/null 2>&1
"$wineserver" -w
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Clarion Quillon 32"
"$wine64" "$setup" /S /ASSOCIATE
"$wineserver" -w
for file in quillon32.exe quillon.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
            libstdc++-6.dll Quillon32.html README.md samples/QUILLSMP.DLL samples/QUILL16.DLL \
            Uninstall.exe; do
    if [ ! -f "$installed/$file" ]; then
        echo "windows-desktop-check: the setup program did not install $file"
        exit 1
    fi
done
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Clarion Quillon 32"
for link in "Clarion Quillon 32.lnk" "Clarion Quillon 32 Help.lnk" "Uninstall.lnk"; do
    if [ ! -f "$menu/$link" ]; then
        echo "windows-desktop-check: no Start-menu entry $link"
        ls -R "$drive_c/ProgramData/Microsoft/Windows/Start Menu" || true
        exit 1
    fi
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clarion Quillon 32'
registered=$("$wine64" reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Clarion Quillon 32" "DisplayVersion.*[0-9]" "Publisher.*Quillon" \
             "DisplayIcon.*quillon32.exe" "UninstallString.*Uninstall.exe"; do
    if ! grep -q "$value" <<< "$registered"; then
        echo "windows-desktop-check: the uninstaller entry lacks $value"
        echo "$registered"
        exit 1
    fi
done
associations='HKLM\Software\Classes\.lib\OpenWithProgids'
if ! "$wine64" reg query "$associations" 2>/dev/null | grep -q Quillon.ClarionLib; then
    echo "windows-desktop-check: /ASSOCIATE did not add the program to the .lib file type"
    exit 1
fi
echo "windows-desktop-check: installed into '$installed' with its Start-menu and uninstaller entries and the .lib association"

# The installed program, its folder read-only as Program Files is for a normal user, makes a
# LIB file from a folder named outside Windows-1252; its settings go to %APPDATA%\Quillon.
work="$drive_c/users/Public/Библиотеки Ωμέγα"
mkdir -p "$work"
cp samples/QUILLSMP.DLL "$work/"
readonly_folder=$installed
if [ "$(id -u)" -eq 0 ]; then
    chattr +i "$installed"
else
    chmod a-w "$installed"
fi
if touch "$installed/write-test" 2>/dev/null; then
    echo "windows-desktop-check: the program folder could not be made read-only"
    exit 1
fi
silent_run 'C:\Program Files\Clarion Quillon 32\quillon32.exe' "$work" QUILLSMP.DLL \
    "Библиотека.lib" installed-silent
same_as_linux "$work/Библиотека.lib" "the installed quillon32.exe /s"
appdata=$(ls -d "$drive_c"/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)
if [ ! -f "$appdata/Quillon/Quillon32.ini" ] || [ -e "$installed/Quillon32.ini" ]; then
    echo "windows-desktop-check: the settings did not go to %APPDATA%\\Quillon"
    exit 1
fi
echo "windows-desktop-check: with the program folder read-only the settings went to $appdata/Quillon/Quillon32.ini"
(cd "$work" && "$wine64" 'C:\Program Files\Clarion Quillon 32\quillon32.exe' "Библиотека.lib" \
    >/dev/null 2>&1 &)
if ! window=$(timeout 90 xdotool search --sync --onlyvisible --name "Clarion Quillon 32 - " | head -n 1); then
    echo "windows-desktop-check: the installed quillon32.exe showed no main window within 90 s"
    exit 1
fi
sleep 3
shot installed-quillon32
echo "windows-desktop-check: installed program shows '$(xdotool getwindowname "$window")'"
"$wineserver" -k 2>/dev/null || true
if [ "$(id -u)" -eq 0 ]; then
    chattr -i "$installed"
else
    chmod u+w "$installed"
fi
readonly_folder=""

# The silent uninstall removes the program folder, the Start-menu entry and the uninstaller entry.
"$wine64" "$installed/Uninstall.exe" /S
"$wineserver" -w
sleep 2
"$wineserver" -w
if [ -e "$installed" ] || [ -e "$menu" ] || "$wine64" reg query "$uninstall_key" >/dev/null 2>&1 ||
   "$wine64" reg query "$associations" 2>/dev/null | grep -q Quillon.ClarionLib; then
    echo "windows-desktop-check: the silent uninstall left the program behind"
    ls -la "$installed" "$menu" 2>/dev/null || true
    exit 1
fi
echo "windows-desktop-check: uninstalled silently; the program folder, its entries and the association are gone"

# The setup program by hand: a screenshot of each page and Enter (the default button) on each,
# up to the finish page, which starts the program; then it is uninstalled again.
("$wine64" "$setup" >/dev/null 2>&1 &)
page=0
while [ $page -lt 10 ]; do
    if ! window=$(timeout 30 xdotool search --sync --onlyvisible --name "Clarion Quillon 32.*Setup" | head -n 1); then
        break
    fi
    sleep 2
    page=$((page + 1))
    shot "setup-page-$page"
    # The finish page closes as the program starts: a window gone by now ends the pages.
    xdotool key --window "$window" Return 2>/dev/null || break
    sleep 2
done
if window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Clarion Quillon 32 - " | head -n 1); then
    sleep 3
    shot setup-started-program
fi
"$wineserver" -k 2>/dev/null || true
echo "windows-desktop-check: the setup program showed $page pages (screenshots $out/setup-page-*.png)"
if [ -f "$installed/Uninstall.exe" ]; then
    "$wine64" "$installed/Uninstall.exe" /S
    "$wineserver" -w
fi
