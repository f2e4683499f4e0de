#!/usr/bin/env bash
# Installs the Debian packages Quillon needs to build and test (when they are missing).
set -euo pipefail

packages=(cmake ninja-build g++ ccache googletest libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev libcli11-dev nlohmann-json3-dev
          desktop-file-utils dpkg-dev llvm-dev)
# With --windows: the mingw-w64 cross compilers and Wine for the Windows builds, NSIS for the
# Windows setup program, and the virtual X display, window tool and screenshot tool with which
# the desktop program and its setup are tried under Wine (xz-utils and perl unpack and build the
# Qt source for Windows; patch applies Debian's patches to the LLVM Demangle sources; e2fsprogs's
# chattr makes a folder read-only even for root); and clang with its runtime libraries, which
# builds the libFuzzer targets that CI runs briefly.
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb xdotool imagemagick
               unzip xz-utils perl patch nsis e2fsprogs clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
. "$(dirname "$0")/apt-lib.sh"
echo "Installing: ${missing[*]}"
apt_update
apt_install "${missing[@]}"
