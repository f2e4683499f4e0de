#!/usr/bin/env bash
# Unpacks LLVM's Demangle library (its few .cpp files and headers) from the source of Debian's
# own LLVM package into a cache folder outside the work tree, for the Windows builds: Debian's
# llvm-dev ships libLLVMDemangle for Linux only, so the cross builds compile these sources
# themselves (QUILLON_LLVM_DEMANGLE_SOURCE). Does nothing when the cache already holds them.
#
#   scripts/fetch-llvm-demangle.sh
#
# The cache folder is $QUILLON_QT_CACHE, or ~/.cache/quillon (shared with the Qt for Windows).
# The sources land in <cache>/llvm-demangle-<version>; the script prints that folder last.
# The download is the whole LLVM source (about 130 MB, kept in <cache>/llvm-src); only the
# Demangle files are unpacked from it.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${QUILLON_QT_CACHE:-$HOME/.cache/quillon}
say() { echo "fetch-llvm-demangle: $*"; }

# The LLVM of the release this machine runs, as llvm-dev depends on it.
llvm_major=$(dpkg-query -W -f='${Depends}' llvm-dev 2>/dev/null | grep -o 'llvm-[0-9]*-dev' \
    | head -n 1 | grep -o '[0-9]*' || true)
if [ -z "$llvm_major" ]; then
    llvm_major=$(apt-cache depends llvm-dev 2>/dev/null | grep -o 'llvm-[0-9]*-dev' | head -n 1 \
        | grep -o '[0-9]*')
fi
source_package=llvm-toolchain-$llvm_major

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
. "$(dirname "$0")/apt-lib.sh"

mkdir -p "$cache/llvm-src"
dsc=$(ls "$cache/llvm-src"/${source_package}_*.dsc 2>/dev/null | tail -n 1 || true)
if [ -z "$dsc" ]; then
    apt_enable_source "$source_package"
    say "downloading the source of $source_package"
    (cd "$cache/llvm-src" && apt-get source --download-only "$source_package" 2>&1 \
        | grep -v '^W: Download is performed unsandboxed' || true)
    dsc=$(ls "$cache/llvm-src"/${source_package}_*.dsc | tail -n 1)
fi
# The version without its epoch, as the file names spell it (1:14.0.6-12 gives 14.0.6-12).
debian_version=$(sed -n 's/^Version: //p' "$dsc")
debian_version=${debian_version#*:}
upstream=${debian_version%%-*}
target="$cache/llvm-demangle-$debian_version"

if [ -f "$target/quillon-demangle.stamp" ]; then
    say "LLVM Demangle $debian_version is already unpacked"
    echo "$target"
    exit 0
fi

orig=$(ls "$cache/llvm-src"/${source_package}_"$upstream".orig.tar.* | head -n 1)
say "unpacking the Demangle sources from $(basename "$orig")"
rm -rf "$target" && mkdir -p "$target"
tar -xf "$orig" -C "$target" --strip-components=1 --wildcards \
    '*/llvm/lib/Demangle/*' '*/llvm/include/llvm/Demangle/*' '*/llvm/LICENSE.TXT'
# Debian's patches to these files, if any, apply as they do to the package.
debian=$(ls "$cache/llvm-src"/${source_package}_"$debian_version".debian.tar.* | head -n 1)
mkdir -p "$target/debian"
tar -xf "$debian" -C "$target"
if [ -f "$target/debian/patches/series" ]; then
    while read -r patch _; do
        case "$patch" in ''|'#'*) continue ;; esac
        if grep -q '^+++ .*llvm/\(lib\|include/llvm\)/Demangle/' "$target/debian/patches/$patch"; then
            say "applying Debian's $patch"
            (cd "$target" && patch -p1 --forward --quiet < "debian/patches/$patch")
        fi
    done < "$target/debian/patches/series"
fi
rm -rf "$target/debian"
echo "$source_package $debian_version" > "$target/quillon-demangle.stamp"
say "LLVM Demangle $debian_version is unpacked ($(ls "$target/llvm/lib/Demangle" | wc -l) files)"
echo "$target"
