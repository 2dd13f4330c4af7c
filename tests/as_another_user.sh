#!/bin/sh
# File permissions do not bind root, so the tests of refused writes skip themselves there. Run as root,
# this runs them again as nobody, from a copy of the test program in a folder of nobody's, and fails
# when one still skips. Not run as root, it has nothing to add and reports itself skipped (77).
# Usage: as_another_user.sh TEST_PROGRAM GTEST_FILTER
set -eu
[ "$(id -u)" = 0 ] || exit 77
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$1" "$(dirname "$0")/lsan.supp" "$copy/"
chown -R nobody:nogroup "$copy"
cd "$copy"
setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$copy" LSAN_OPTIONS="suppressions=$copy/lsan.supp" \
  "./$(basename "$1")" --gtest_filter="$2" >"$copy/out" 2>&1 || { cat "$copy/out"; exit 1; }
cat "$copy/out"
! grep -q '^\[  SKIPPED \]' "$copy/out"
