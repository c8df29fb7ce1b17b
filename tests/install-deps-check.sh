#!/bin/sh
# scripts/install-deps run by a user who is not root, on a system without sudo,
# where packages are missing (an empty dpkg database says so): it must say what
# to do instead, install nothing and fail.
# Usage: install-deps-check.sh SOURCE_DIR
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

# A copy of the script that the other user can read wherever the clone is, the
# tools it calls, and no sudo.
script="$work/install-deps"
cp "$1/scripts/install-deps" "$script"
mkdir "$work/bin" "$work/dpkg"
for tool in sh dpkg-query grep id; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
touch "$work/dpkg/status"
chmod -R a+rX "$work"
as_user=""
[ "$(id -u)" -ne 0 ] || as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
status=0
$as_user env -i PATH="$work/bin" DPKG_ADMINDIR="$work/dpkg" sh "$script" --test > "$work/out" 2>&1 || status=$?
cat "$work/out"
[ "$status" -eq 1 ] || fail "install-deps ended with status $status"
grep -q "missing: g++ make cmake qtbase5-dev fonts-liberation2 qt6-base-dev " "$work/out" || fail "it does not say what is missing"
grep -q "run this script as root (su -c \".*install-deps --test\"), or install sudo first" "$work/out" \
    || fail "it does not say what to do instead"
! grep -q 'sudo: not found' "$work/out" || fail "it tried sudo"
