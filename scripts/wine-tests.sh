#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the short soak in a Wine session
# of its own (its own Xvfb, wineserver and a copy of the build's prefix)
# beside the session that runs every other test. The soak takes about as long
# as all the others together, drives its controls with posted messages
# rather than the real pointer and keyboard, and so needs neither the
# foreground nor the screen the other tests read back.
#   scripts/wine-tests.sh <build-dir>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)

# The build's prefix is made by its first session; the soak's is a copy.
[ -f "$build/wineprefix/.lattice-ready" ] || "$here/wine-session.sh" "$build" true
soak_prefix=$build/wineprefix-soak
if [ ! -f "$soak_prefix/.lattice-ready" ]; then
  rm -rf "$soak_prefix"
  cp -a "$build/wineprefix" "$soak_prefix"
fi

soak_log=$build/Testing/soak-session.log
mkdir -p "$build/Testing"
LATTICE_WINEPREFIX=$soak_prefix "$here/wine-session.sh" "$build" \
  ctest --test-dir "$build" --output-on-failure -L soak >"$soak_log" 2>&1 &
soak_pid=$!
"$here/wine-session.sh" "$build" ctest --test-dir "$build" --output-on-failure -LE soak
rc=$?
wait $soak_pid
soak_rc=$?
echo "--- the soak, in its own session:"
cat "$soak_log"
[ $rc -eq 0 ] && [ $soak_rc -eq 0 ]
