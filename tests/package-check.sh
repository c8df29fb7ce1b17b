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

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
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
depends_on fonts-liberation2 || { echo "the package does not depend on fonts-liberation2" >&2; exit 1; }
# Every library the program links, under whatever name its package has on this
# release (Debian 13 renamed Qt 5's, for instance).
dpkg -x "$deb" "$work/root"
program="$work/root/usr/bin/hddcalc"
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$needed" ] || { echo "objdump finds no library the program links" >&2; exit 1; }
for library in $needed; do
    owners=$(dpkg-query -S "*/$library" 2>/dev/null | sed "s/: .*//; s/:[a-z0-9]*//g; s/, /\n/g" | sort -u)
    found=no
    for owner in $owners; do depends_on "$owner" && found=yes; done
    [ $found = yes ] || { echo "no dependency on the package of $library (${owners:-none})" >&2; exit 1; }
done
# One Qt only: the one the build chose.
[ "$(echo "$needed" | grep -o '^libQt[0-9]' | sort -u | wc -l)" -eq 1 ] \
    || { echo "the program links more than one Qt: $needed" >&2; exit 1; }

# Lintian warns when run as root; that line is no finding.
lintian "$deb" 2>&1 | grep -v 'running with root privileges' > "$work/lintian.log" || true
if [ -s "$work/lintian.log" ]; then cat "$work/lintian.log"; exit 1; fi

share="$work/root/usr/share"
desktop=$(ls "$share"/applications/*.desktop)
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || { echo "the desktop entry's icon is not $id" >&2; exit 1; }
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || { echo "no icon $id.svg" >&2; exit 1; }
metainfo="$share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; exit 1; }
# One summary: the entry's, the software centre's, the manual page's and the package's.
summary=$(sed -n 's/^Comment=//p' "$desktop")
if [ "$(sed -n 's|.*<summary>\(.*\)</summary>.*|\1|p' "$metainfo")" != "$summary" ] \
    || [ "$(dpkg-deb --field "$deb" Description | head -1)" != "$summary" ] \
    || ! zcat "$share/man/man1/hddcalc.1.gz" | grep -qx "hddcalc \\\\- $summary"; then
    echo "the desktop entry, metainfo, package and manual page do not all say \"$summary\"" >&2
    exit 1
fi
if ! grep -q "<id>$id</id>" "$metainfo" || ! grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo"; then
    echo "the metainfo does not name $id" >&2
    exit 1
fi

man --warnings -l "$share/man/man1/hddcalc.1.gz" 2>"$work/man.log" >/dev/null
if [ -s "$work/man.log" ]; then cat "$work/man.log"; exit 1; fi

version=$(dpkg-deb --field "$deb" Version)
if ! zcat "$share/doc/hddcalc/changelog.gz" | head -1 | grep -q "^hddcalc ($version)" \
    || ! grep -q "<release version=\"$version\"" "$metainfo" \
    || ! zcat "$share/man/man1/hddcalc.1.gz" | grep -q "^\.TH HDDCALC 1 .*\"hddcalc $version\""; then
    echo "the changelog, metainfo and manual page do not all carry $version" >&2
    exit 1
fi
QT_QPA_PLATFORM=offscreen LD_PRELOAD="$session" "$program" > "$work/run.log" 2>&1 || {
    echo "the unpacked hddcalc ended with status $?" >&2
    cat "$work/run.log" >&2
    exit 1
}
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
again="$work/same-source-elsewhere"
mkdir -p "$again/src"
tar -C "$source" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$again/src" -xf -
qt=$(sed -n 's/^QT_MAJOR_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
{
    cmake -S "$again/src" -B "$again/src/build" -DQT_MAJOR_VERSION="$qt" -DCMAKE_BUILD_TYPE="$type" -DBUILD_TESTING=OFF \
        && cmake --build "$again/src/build" -j2 --target hddcalc hddcalc_docs \
        && cpack --config "$again/src/build/CPackConfig.cmake" -B "$again/out"
} > "$work/again.log" 2>&1 || { cat "$work/again.log"; exit 1; }
cmp "$deb" "$again/out/$(basename "$deb")" || {
    echo "the same source built elsewhere gives another package; with HDDCALC_KEEP=1 both stay in $work for diffoscope" >&2
    exit 1
}
