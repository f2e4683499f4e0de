#!/usr/bin/env bash
# Builds Quillon for installing under /usr and makes its packages (a Debian package and a
# .tar.gz) in build/package. With --check it then installs the Debian package, checks what it
# installed (quillon --version, a LIB file from the installed sample, the manual pages and the
# paths they name, the desktop entry) and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache finds the objects of another checkout of the same sources (paths below the checkout
# are hashed relative to it).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}" CCACHE_NOHASHDIR=1
root=$(pwd)
build=${QUILLON_PACKAGE_DIR:-build/package}

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
need=()
for p in desktop-file-utils dpkg-dev file man-db; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    . "$(dirname "$0")/apt-lib.sh"
    apt_update
    apt_install "${need[@]}"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCH=OFF -DQUILLON_UNITY_BUILD=ON
cmake --build "$build" --parallel 2
(cd "$build" && cpack -G "DEB;TGZ")
deb=$(ls "$build"/quillon_*.deb)
echo "package: $deb ($(stat -c %s "$deb") bytes)"

if [ "${1:-}" != "--check" ]; then
    exit 0
fi
desktop-file-validate packaging/quillon32.desktop
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$root/$deb"
trap 'DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq quillon' EXIT
quillon --version
desktop-file-validate /usr/share/applications/quillon32.desktop
# Both manual pages render, and every path their FILES sections name is there.
for page in quillon quillon32; do
    man -w "$page"
    MANWIDTH=80 man "$page" >/dev/null
    for path in $(zcat -f "$(man -w "$page")" | sed -n 's|^\.I /usr/|/usr/|p'); do
        test -e "$path" || { echo "package check: man $page names $path, which is not there"; exit 1; }
    done
done
work=$(mktemp -d)
quillon --quiet --settings "$work" /usr/share/quillon/samples/QUILLSMP.DLL "/s:$work/QUILLSMP.LIB"
test -s "$work/QUILLSMP.LIB"
echo "package check: installed, made $(stat -c %s "$work/QUILLSMP.LIB") bytes of LIB file, removing"
rm -rf "$work"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq quillon
trap - EXIT
# Asks the file system, not the shell: the shell remembers where it last found quillon.
if [ -e /usr/bin/quillon ] || dpkg-query -W -f='${Status}' quillon 2>/dev/null | grep -q "install ok installed"; then
    echo "package check: quillon is still installed after removing the package"
    exit 1
fi
echo "package check: removed cleanly"
