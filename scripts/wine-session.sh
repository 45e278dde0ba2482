#!/usr/bin/env bash
# Runs a command inside one Xvfb display with one persistent wineserver for
# the build's Wine prefix, so that every Wine process of the command starts
# warm and shares the same virtual desktop.
#   scripts/wine-session.sh <build-dir> <command> [args...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${LATTICE_IN_SESSION:-}" ]; then
  # Start the display, then come back here inside it.
  export LATTICE_IN_SESSION=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/wine-session.sh" "$@"
fi

build_dir=$1; shift
source "$here/wine-env.sh" "$build_dir"
# The build's own print scheduler and PDF queue (scripts/print-server.sh),
# started before any Wine process so that every one of them inherits
# CUPS_SERVER and finds the queue as its default printer; stopped however
# the command ends. Without a scheduler the command still runs: printing
# then finds no printer.
source "$here/print-server.sh"
trap print_server_stop EXIT
print_server_start "$build_dir" || echo "wine-session: running without a printer" >&2
if ! wineserver -p; then
  echo "wine-session: a wineserver already runs for $WINEPREFIX (another session of this build?);" \
       "end it with: WINEPREFIX=$WINEPREFIX wineserver -k" >&2
  exit 2
fi
# Start Wine's background services now, with their output going nowhere:
# started later by a test program, they would inherit its output pipe and
# hold it open after the program ends.
wine wineboot >/dev/null 2>&1 </dev/null || true
# One desktop for the whole session (scripts/session/KeepDesktop.cpp),
# started from a subshell so that it is no child of this shell's to wait for,
# and ended by its process id before the wineserver: a keeper still starting
# when the command ends would connect after `wineserver -k` and keep the
# server alive.
keeper=
if [ -x "$build_dir/bin/keep_desktop.exe" ]; then
  keeper=$(wine "$build_dir/bin/keep_desktop.exe" >/dev/null 2>&1 </dev/null & echo $!)
fi
set +e
"$@"
rc=$?
[ -z "$keeper" ] || kill "$keeper" 2>/dev/null
wineserver -k
wineserver -w 2>/dev/null
exit $rc
