#!/bin/sh
# The program under a Wayland compositor, a headless weston of the test's own:
# it must give its desktop entry's id as the window's application id, by which
# the desktop matches the window to the entry. The program is stopped once its
# window is up: Qt 6.4's Wayland input would crash on the keys a preloaded
# session types where the compositor has no keyboard.
# Usage: wayland-check.sh PROGRAM APP_ID
set -eu
program=$1
app_id=$2
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston=""
hddcalc=""
cleanup() {
    for process in $hddcalc $weston; do
        kill "$process" 2>/dev/null || true
    done
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=hddcalc --idle-time=0 > "$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/hddcalc" ] && break
    sleep 0.1
done
[ -S "$runtime/hddcalc" ] || { cat "$runtime/weston.log"; exit 1; }

WAYLAND_DISPLAY=hddcalc QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" > "$runtime/run.log" 2>&1 &
hddcalc=$!
# The window is up once the compositor has asked it for its first frame.
for _ in $(seq 200); do
    grep -q 'xdg_surface@[0-9]*\.configure' "$runtime/run.log" && break
    sleep 0.1
done
ids=$(grep -o 'set_app_id("[^"]*")' "$runtime/run.log" | sort -u)
echo "$ids"
[ "$ids" = "set_app_id(\"$app_id\")" ] || { echo "the application id is not $app_id" >&2; exit 1; }
