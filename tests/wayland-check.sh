#!/bin/sh
# The program under a Wayland compositor, a headless weston of the test's own:
# it must give its desktop entry's id as the window's application id, by which
# the desktop matches the window to the entry. The preloaded session plays a
# user and presses Close.
# Usage: wayland-check.sh PROGRAM SESSION_LIBRARY APP_ID
set -eu
program=$1
session=$2
app_id=$3
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston=""
trap '[ -z "$weston" ] || kill "$weston"; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=hddcalc --idle-time=0 > "$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/hddcalc" ] && break
    sleep 0.1
done
[ -S "$runtime/hddcalc" ] || { cat "$runtime/weston.log"; exit 1; }

WAYLAND_DISPLAY=hddcalc QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 LD_PRELOAD="$session" "$program" \
    > "$runtime/run.log" 2>&1 || { echo "hddcalc ended with status $?"; cat "$runtime/run.log"; exit 1; }
grep 'shows its window' "$runtime/run.log"
ids=$(grep -o 'set_app_id("[^"]*")' "$runtime/run.log" | sort -u)
echo "$ids"
[ "$ids" = "set_app_id(\"$app_id\")" ] || { echo "the application id is not $app_id" >&2; exit 1; }
