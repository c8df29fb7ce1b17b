#!/bin/sh
# Starts a Windows build of hddcalc under Wine with the windows platform on an X
# display of its own, checks the window's size, takes a screenshot, and presses
# "Close" as a user would: Shift+Tab from the first field, then Space. The
# program must end with status 0.
# Usage: wine-window-check.sh PROGRAM.exe [SCREENSHOT.png]
set -eu
here=$(dirname "$(realpath "$0")")
if [ -z "${HDDCALC_ON_XVFB:-}" ]; then
    HDDCALC_ON_XVFB=1 exec xvfb-run --auto-servernum --server-args="-dpi 96 -screen 0 1024x768x24" "$0" "$@"
fi
program=$1
screenshot=${2:-}

HDDCALC_WINE_PLATFORM=windows "$here/wine-run.sh" "$program" &
pid=$!
id=""
for _ in $(seq 120); do
    id=$(xdotool search --name '^Calculator$' 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.5
done
if [ -z "$id" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid" || true
    echo "$program: no Calculator window" >&2
    exit 1
fi
sleep 2 # the first paint
size=$(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
echo "$(basename "$program"): window $size"
[ -z "$screenshot" ] || import -window "$id" "$screenshot"

xdotool windowfocus --sync "$id" key --clearmodifiers shift+Tab space
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "$program ended with status $status" >&2; exit 1; }
[ "$size" = "510x435" ] || { echo "$program: the window is $size, not 510x435" >&2; exit 1; }
