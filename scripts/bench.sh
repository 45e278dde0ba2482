#!/usr/bin/env bash
# Runs every benchmark, each a program that runs in real windows under Wine
# and prints its figures beside their floors, with the machine's load
# average before and after (a busy machine stretches figure and floor alike).
#   scripts/bench.sh <win64-build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
win64=$1

shopt -s nullglob
wine_benches=("$win64"/bin/bench_*.exe)
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ ${#wine_benches[@]} -gt 0 ]; then
  "$here/wine-session.sh" "$win64" bash -c 'for b in "$@"; do echo "== $(basename "$b") (Wine)"; wine "$b" || exit 1; done' bench "${wine_benches[@]}"
fi
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
