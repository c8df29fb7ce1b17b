#!/bin/sh
# What a Windows user downloads: builds the installer and the portable ZIP and
# checks that each holds the program, the Qt DLLs, the platform and style
# plugins, the MinGW runtime, the program's licence and the others' notices.
# Unzips the ZIP and starts the program from it; installs the installer
# silently (/S) into a fresh Wine prefix, starts the installed program, reads
# its "Apps & features" entry, and uninstalls it again. Each start ends with
# "Close". Then an upgrade: an installer of an older version built from the
# same source, and this one over it, which leaves one entry and its own files.
# Every program and DLL carries ASLR and DEP, and the packages' SHA256SUMS
# verifies.
# Usage: windows-package-check.sh BUILD_DIR OBJDUMP SOURCE_DIR TOOLCHAIN_FILE QT_PREFIX
set -eu
here=$(dirname "$(realpath "$0")")
build=$1
objdump=$2
source=$3
toolchain=$4
qt=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
installer=$(ls "$work"/out/*.exe)
zip=$(ls "$work"/out/*.zip)
(cd "$work/out" && sha256sum --quiet -c SHA256SUMS)
stat -c '%n %s' "$installer" "$zip" | awk '{ sub(/.*\//, "", $1); printf "%s: %.1f MiB\n", $1, $2 / 1048576 }'

holds() {
    for file in hddcalc.exe Qt5Core.dll Qt5Gui.dll Qt5Widgets.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll \
        LICENSE.txt THIRD-PARTY-NOTICES.txt; do
        [ -f "$1/$file" ] || fail "$2 holds no $file"
    done
}

unzip -q "$zip" -d "$work/zip"
unpacked=$(find "$work/zip" -name hddcalc.exe -exec dirname {} \;)
holds "$unpacked" "the ZIP"
# ASLR (a relocatable image, high entropy) and DEP, in every file Windows loads.
find "$unpacked" -name '*.exe' -o -name '*.dll' | while read -r file; do
    flags=$("$objdump" -p "$file" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        echo "$flags" | grep -qw "$flag" || fail "${file#"$unpacked"/} lacks $flag"
    done
done
"$here/wine-window-check.sh" "$unpacked/hddcalc.exe"

export WINEPREFIX="$work/wine"
"$HDDCALC_WINE" "$installer" /S > "$work/install.log" 2>&1 || { cat "$work/install.log"; fail "the installer failed"; }
installed="$WINEPREFIX/drive_c/Program Files/hddcalc"
holds "$installed" "the installed folder"
program="$installed/hddcalc.exe"
"$here/wine-window-check.sh" "$program"
version=$(basename "$installer" | sed 's/^hddcalc-\(.*\)-win64\.exe$/\1/')
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The program's "Apps & features" entry in the current Wine prefix.
hddcalc_entry() { "$HDDCALC_WINE" reg query "$uninstall\\hddcalc" 2>/dev/null | tr -d '\r'; }
entry=$(hddcalc_entry)
echo "$entry" | grep -q "DisplayVersion *REG_SZ *$version$" || fail "the entry is not of version $version: $entry"
echo "$entry" | grep -q 'DisplayIcon *REG_SZ *C:\\Program Files\\hddcalc\\hddcalc.exe$' || fail "the entry's icon is no file: $entry"
echo "$entry" | grep -q 'InstallLocation *REG_SZ *C:\\Program Files\\hddcalc$' || fail "the entry has no install location: $entry"
echo "$entry" | grep -q 'EstimatedSize *REG_DWORD *0x[0-9a-f]*[1-9a-f]' || fail "the entry has no size: $entry"
"$HDDCALC_WINE" "$installed/Uninstall.exe" /S > "$work/uninstall.log" 2>&1 || fail "the uninstaller failed"
# The uninstaller copies itself away and finishes from there.
for _ in $(seq 60); do [ -e "$program" ] || break; sleep 0.5; done
[ ! -e "$program" ] || fail "the uninstaller left $program"
echo "installed, started, closed and uninstalled"

older="$work/older"
{
    cmake -S "$source" -B "$older" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$qt" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DHDDCALC_VERSION=0.9.0 \
        && cmake --build "$older" -j2 --target hddcalc && (cd "$older" && cpack -G NSIS)
} > "$work/older.log" 2>&1 || { cat "$work/older.log"; fail "the older installer did not build"; }
export WINEPREFIX="$work/upgrade"
"$HDDCALC_WINE" "$older/hddcalc-0.9.0-win64.exe" /S > "$work/older-install.log" 2>&1 || fail "the older installer failed"
"$HDDCALC_WINE" "$installer" /S > "$work/upgrade.log" 2>&1 || fail "the installer failed over the older one"
installed="$WINEPREFIX/drive_c/Program Files/hddcalc"
entries=$("$HDDCALC_WINE" reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName *REG_SZ *HDD Calculator$' || true)
[ "$entries" -eq 1 ] || fail "after the upgrade, $entries entries name HDD Calculator"
hddcalc_entry | grep -q "DisplayVersion *REG_SZ *$version$" || fail "after the upgrade, the entry is not of version $version"
holds "$installed" "the upgraded folder"
cmp "$installed/hddcalc.exe" "$unpacked/hddcalc.exe" || fail "the upgrade left another hddcalc.exe"
echo "0.9.0, then $version over it: one entry, the new files"
