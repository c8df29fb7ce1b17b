#!/bin/sh
# The Debian 13 base in a cache folder of its own: made from nothing, then made
# again where an older script left a folder in its place. Each time the script
# must end with a readable tar. Needs root and the archive; skipped (77) inside
# the Debian 13 system itself, which is a chroot.
# Usage: debian13-cache-check.sh SOURCE_DIR
set -eu
script="$1/scripts/debian13-base"
[ "$(id -u)" -eq 0 ] || { echo "skipped: mmdebstrap needs root here"; exit 77; }
if ischroot; then echo "skipped: inside a chroot"; exit 77; fi
cache=$(mktemp -d /var/tmp/hddcalc-cache.XXXXXX)
trap 'rm -rf "$cache"' EXIT

make_base() {
    base=$(HDDCALC_CACHE="$cache" "$script" 2> "$cache/log") || { cat "$cache/log"; exit 1; }
    [ "$base" = "$cache/debian13-minbase.tar" ] || { echo "the base is at $base" >&2; exit 1; }
    tar -tf "$base" ./etc/debian_version > /dev/null || { echo "$1: $base is no readable tar" >&2; exit 1; }
    echo "$1: $(du -h "$base" | cut -f1) tar"
}
make_base "an empty cache"
rm -f "$base"
mkdir -p "$base/etc"
echo 13 > "$base/etc/debian_version"
make_base "a folder in its place"
