#!/bin/sh
# Runs a Windows program under Wine, as CTest's emulator on a cross build.
# Wine hands no QT_ variable to the program, so the platform goes as Qt's own
# option (offscreen, HDDCALC_WINE_PLATFORM, or none for a program without a
# QApplication), and a test's report goes through a file, which Wine does not
# lose as it can lose a pipe. The DLLs are found through HDDCALC_DLL_DIRS, Unix
# folders separated by colons.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -u
program=$1
shift

# shellcheck disable=SC1003 # a backslash, not a quote
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
WINEPATH=$(printf '%s\n' "$HDDCALC_DLL_DIRS" | tr : '\n' | while read -r dir; do
    printf '%s;' "$(windows_path "$dir")"
done)
export WINEPATH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $(basename "$program") in
    tst_*) set -- "$@" -o "$(windows_path "$work/report.txt"),txt" ;;
esac
platform=${HDDCALC_WINE_PLATFORM:-offscreen}
case $platform in
    none) ;;
    windows*)
        # A window on an X display: a Wine prefix of its own, tied to this
        # display, holding Wine's fonts; Tahoma stands behind "MS Shell Dlg 2",
        # Qt's default font on Windows. Debian's 64-bit Wine alone cannot run
        # the 32-bit step that would install them into a new prefix.
        export WINEPREFIX="$work/wine"
        "$HDDCALC_WINE" wineboot --init > "$work/wineboot.log" 2>&1
        # wineboot may return while its server still sets up the prefix.
        "$(dirname "$HDDCALC_WINE")/wineserver" -w
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
        set -- -platform "$platform" "$@" ;;
    *) set -- -platform "$platform" "$@" ;;
esac
"$HDDCALC_WINE" "$program" "$@" > "$work/wine.log" 2>&1
status=$?
[ "$WINEPREFIX" != "$work/wine" ] || "$(dirname "$HDDCALC_WINE")/wineserver" -k 2>/dev/null
cat "$work/report.txt" 2>/dev/null
[ "$status" -eq 0 ] || tail -20 "$work/wine.log"
exit $status
