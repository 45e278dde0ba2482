#!/usr/bin/env bash
# Runs a command inside one Xvfb display with one persistent wineserver for
# the build's Wine prefix, so that every Wine process of the command starts
# warm and shares the same virtual desktop.
#   scripts/wine-session.sh <build-dir> <command> [args...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build_dir=$1; shift

inner() {
  source "$here/wine-env.sh" "$build_dir"
  wineserver -p
  set +e
  "$@"
  rc=$?
  wineserver -k
  wineserver -w 2>/dev/null
  exit $rc
}
export -f inner
export here build_dir

if [ -n "${LATTICE_IN_SESSION:-}" ]; then
  inner "$@"
fi
export LATTICE_IN_SESSION=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'inner "$@"' inner "$@"
