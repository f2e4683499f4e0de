# Shared by the scripts that install packages or fetch Debian sources; sourced, not run.
# Expects SUDO to be set ("" as root, "sudo" otherwise).

# "apt-get update", tried again when a mirror in the middle of a sync fails one index (seen on the
# i386 index of the security archive); when the failure stays it goes on with the indexes there
# are, so that a package missing for real is what stops the run.
apt_update() {
    local attempt
    for attempt in 1 2 3; do
        if $SUDO apt-get update -qq; then
            return 0
        fi
        echo "apt-get update failed (attempt $attempt of 3)" >&2
        sleep $((attempt * 10))
    done
    return 0
}

# "apt-get install" of the named packages, without recommends, downloads tried again on failure.
apt_install() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq -o Acquire::Retries=3 \
        --no-install-recommends "$@"
}

# Makes "apt-get source" work for the source package named: adds a deb-src entry for the Debian
# release this machine runs when none serves it yet.
apt_enable_source() {
    local codename
    if apt-get source --print-uris "$1" >/dev/null 2>&1; then
        return 0
    fi
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "adding a deb-src entry for Debian $codename" >&2
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" | $SUDO tee /etc/apt/sources.list.d/quillon-qt-source.sources >/dev/null
    apt_update
}
