#!/bin/sh
# Builds the Debian package, unpacks it with dpkg -x and checks what it holds:
# dependencies read off the linked libraries plus the preferred font, a valid
# desktop entry, and a program that shows its window and exits with status 0
# when closed (the screen test, pointed at the unpacked program).
# Usage: package-check.sh BUILD_DIR SCREEN_TEST
set -eu
build=$1
screen_test=$2
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
test -x "$work/root/usr/bin/hddcalc"
desktop-file-validate "$work/root/usr/share/applications/hddcalc.desktop"
HDDCALC_EXECUTABLE="$work/root/usr/bin/hddcalc" "$screen_test"
