#!/bin/sh
# Builds the Debian package, unpacks it with dpkg -x and checks what it holds:
# nothing lintian objects to; dependencies read off the linked libraries plus
# the preferred font; a valid desktop entry whose icon and software-centre
# metadata carry its name; a manual page that renders without warnings; one
# version throughout; and a program that shows its window on the offscreen
# platform and exits with status 0 when closed (the preloaded session plays a
# user who calculates and then presses Close); a program hardened as Debian's
# are; a SHA256SUMS that verifies; and the same bytes again from the same
# source built in a folder of another name, later.
# Usage: package-check.sh BUILD_DIR SESSION_LIBRARY SOURCE_DIR CXX
set -eu
build=$1
session=$2
source=$3
cxx=$4
work=$(mktemp -d)
trap '[ -n "${HDDCALC_KEEP:-}" ] || rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }
# A tool's log, then why it fails.
fail_with() { cat "$1" >&2; shift; fail "$@"; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
    || fail_with "$work/cpack.log" "cpack made no package"
deb=$(ls "$work"/out/*.deb)
(cd "$work/out" && sha256sum --quiet -c SHA256SUMS)
depends=$(dpkg-deb --field "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
depends_on() {
    case " $depends," in
        *" $1 "* | *" $1,"*) return 0 ;;
        *) return 1 ;;
    esac
}
depends_on fonts-liberation2 || fail "the package does not depend on fonts-liberation2"
# Every library the program links, under whatever name its package has on this
# release (Debian 13 renamed Qt 5's, for instance).
dpkg -x "$deb" "$work/root"
program="$work/root/usr/bin/hddcalc"
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$needed" ] || fail "objdump finds no library the program links"
for library in $needed; do
    owners=$(dpkg-query -S "*/$library" 2>/dev/null | sed "s/: .*//; s/:[a-z0-9]*//g; s/, /\n/g" | sort -u)
    found=no
    for owner in $owners; do depends_on "$owner" && found=yes; done
    [ $found = yes ] || fail "no dependency on the package of $library (${owners:-none})"
done
# One Qt only: the one the build chose.
[ "$(echo "$needed" | grep -o '^libQt[0-9]' | sort -u | wc -l)" -eq 1 ] \
    || fail "the program links more than one Qt: $needed"

# Lintian warns when run as root; that line is no finding.
lintian "$deb" 2>&1 | grep -v 'running with root privileges' > "$work/lintian.log" || true
[ ! -s "$work/lintian.log" ] || fail_with "$work/lintian.log" "lintian objects to the package"

share="$work/root/usr/share"
desktop=$(ls "$share"/applications/*.desktop)
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the desktop entry's icon is not $id"
# The menu names the program; the window's own title is "Calculator".
[ "$(sed -n 's/^Name=//p' "$desktop")" = "HDD Calculator" ] || fail "the menu entry is not \"HDD Calculator\""
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon $id.svg"
metainfo="$share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" 2>&1 \
    || fail_with "$work/appstream.log" "the metainfo is not valid"
# One summary: the entry's, the software centre's, the manual page's and the package's.
summary=$(sed -n 's/^Comment=//p' "$desktop")
if [ "$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")" != "$summary" ] \
    || [ "$(dpkg-deb --field "$deb" Description | head -1)" != "$summary" ] \
    || ! zcat "$share/man/man1/hddcalc.1.gz" | grep -qx "hddcalc \\\\- $summary"; then
    fail "the desktop entry, metainfo, package and manual page do not all say \"$summary\""
fi
if ! grep -q "<id>$id</id>" "$metainfo" || ! grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo"; then
    fail "the metainfo does not name $id"
fi

man --warnings -l "$share/man/man1/hddcalc.1.gz" 2>"$work/man.log" >/dev/null
[ ! -s "$work/man.log" ] || fail_with "$work/man.log" "the manual page renders with warnings"

version=$(dpkg-deb --field "$deb" Version)
if ! zcat "$share/doc/hddcalc/changelog.gz" | head -1 | grep -q "^hddcalc ($version)" \
    || ! grep -q "<release version=\"$version\"" "$metainfo" \
    || ! zcat "$share/man/man1/hddcalc.1.gz" | grep -q "^\.TH HDDCALC 1 .*\"hddcalc $version\""; then
    fail "the changelog, metainfo and manual page do not all carry $version"
fi
QT_QPA_PLATFORM=offscreen LD_PRELOAD="$session" "$program" > "$work/run.log" 2>&1 \
    || fail_with "$work/run.log" "the unpacked hddcalc ended with status $?"
grep 'shows its window' "$work/run.log"

# Control flow protection is marked only where every object linked in
# carries it, the C library's start files too, which neither Debian 12's nor
# Debian 13's do: an empty program tells. Branch protection is arm64's, which
# a newer hardening-check asks of every program.
skip=--nocfprotection
echo 'int main() { return 0; }' > "$work/probe.cpp"
"$cxx" -fcf-protection -o "$work/probe" "$work/probe.cpp"
readelf -n "$work/probe" | grep -q 'x86 feature: IBT, SHSTK' && skip=
if hardening-check --help 2>&1 | grep -q -- --nobranchprotection && [ "$(uname -m)" != aarch64 ]; then
    skip="$skip --nobranchprotection"
fi
# shellcheck disable=SC2086 # none, one or two options
hardening-check --quiet $skip "$program"

# The same source again, in a folder of another name.
qt=$(sed -n 's/^QT_MAJOR_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
"$source/scripts/build-again-elsewhere" "hddcalc hddcalc_docs" "$deb" -- -DQT_MAJOR_VERSION="$qt" -DCMAKE_BUILD_TYPE="$type"
