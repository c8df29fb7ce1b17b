#!/bin/sh
# What hddcalc.exe is made of: a "Windows GUI" program entered through Qt's
# WinMain adaptor (which splits the wide command line with CommandLineToArgvW),
# carrying exactly one manifest (asInvoker, Common Controls 6), the version
# resource Explorer shows, and no icon.
# Usage: windows-executable-check.sh PROGRAM.exe OBJDUMP VERSION
set -eu
program=$1
objdump=$2
version=$3
objcopy=$(printf %s "$objdump" | sed 's/objdump$/objcopy/')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$program: $*" >&2; exit 1; }

"$objdump" -p "$program" > "$work/headers"
grep -q '^Subsystem[[:space:]]*00000002[[:space:]]*(Windows GUI)' "$work/headers" || fail "not a Windows GUI program"
grep -q 'CommandLineToArgvW' "$work/headers" || fail "no WinMain adaptor: CommandLineToArgvW is not imported"
"$objdump" -t "$program" | grep -q ' WinMain$' || fail "defines no WinMain"

# The resource types, by id: 16 is a version, 24 a manifest, 3 and 14 are icons.
types=$(sed -n '/The .rsrc Resource Directory section/,$p' "$work/headers" \
    | sed -n 's/^[0-9a-f]*   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p' | sort -u | tr '\n' ' ')
[ "$types" = "10 18 " ] || fail "resource types (hex) are '$types', not the version (10) and the manifest (18)"

"$objcopy" -O binary --only-section=.rsrc "$program" "$work/resources"
manifests=$(grep -ao '<assembly ' "$work/resources" | wc -l)
[ "$manifests" -eq 1 ] || fail "carries $manifests manifests"
grep -aq 'requestedExecutionLevel level="asInvoker"' "$work/resources" || fail "the manifest does not ask for asInvoker"
tr -d '\n' < "$work/resources" | grep -aq 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    || fail "the manifest does not ask for Common Controls 6"
# The version's strings are UTF-16: each name, then its value.
tr -d '\000' < "$work/resources" > "$work/strings"
for field in "ProductNameHDD Calculator" "FileDescriptionHDD Calculator" "FileVersion$version" \
    "ProductVersion$version" "LegalCopyrightCopyright (c) 2026 the hddcalc developers" "OriginalFilenamehddcalc.exe"; do
    grep -aqF "$field" "$work/strings" || fail "the version resource lacks $field"
done
echo "$(basename "$program"): Windows GUI, WinMain adaptor, one manifest (asInvoker, Common Controls 6), version $version, no icon"
