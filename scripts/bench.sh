#!/usr/bin/env bash
# Runs every benchmark: the native ones (Google Benchmark, optimised build)
# and the ones that run in real windows under Wine.
#   scripts/bench.sh <native-release-build-dir> <win64-build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
native=$1 win64=$2

shopt -s nullglob
for b in "$native"/bench/native/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b") (native)"
  "$b" --benchmark_min_time=0.2
done

wine_benches=("$win64"/bin/bench_*.exe)
if [ ${#wine_benches[@]} -gt 0 ]; then
  "$here/wine-session.sh" "$win64" bash -c 'for b in "$@"; do echo "== $(basename "$b") (Wine)"; wine "$b" || exit 1; done' bench "${wine_benches[@]}"
fi
