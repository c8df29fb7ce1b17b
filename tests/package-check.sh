#!/bin/sh
# Builds the Debian package, unpacks it with dpkg -x and checks what it holds:
# dependencies read off the linked libraries plus the preferred font, a valid
# desktop entry, and a program that shows its window on the offscreen platform
# and exits with status 0 when closed (the preloaded session plays a user who
# calculates and then presses Close).
# Usage: package-check.sh BUILD_DIR SESSION_LIBRARY
set -eu
build=$1
session=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/out/*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for needed in fonts-liberation2 libqt5widgets5 libqt5gui5 libqt5core5a libc6 libstdc++6; do
    case " $depends," in
        *" $needed "* | *" $needed,"*) ;;
        *) echo "the package does not depend on $needed" >&2; exit 1 ;;
    esac
done

dpkg -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/hddcalc.desktop"
QT_QPA_PLATFORM=offscreen LD_PRELOAD="$session" "$work/root/usr/bin/hddcalc" > "$work/run.log" 2>&1 || {
    echo "the unpacked hddcalc ended with status $?" >&2
    cat "$work/run.log" >&2
    exit 1
}
grep 'shows its window' "$work/run.log"
