#!/usr/bin/env bash
# Runs the gallery: in a window where there is a display; otherwise under
# Xvfb, as a tour of its pages, saving a screenshot of each as a PNG and
# printing where they are.
#   scripts/demo.sh <win64-build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
gallery="$build/bin/gallery.exe"

if [ -n "${DISPLAY:-}" ]; then
  source "$here/wine-env.sh" "$build"
  # With the run's own print queue, so that the preview prints somewhere.
  exec "$here/print-server.sh" run "$build" wine "$gallery"
fi

# Each stop of the tour: the picture's name and the gallery's switches.
tour=(
  "gallery|"
  "drag-list|/page 1"
  "search-edit|/page 2"
  "symbol-search|/page 3 /type 23"
  "warrant-no-match|/page 4 /type ZZZ"
  "industry-search|/page 5 /type 2"
  "records-search|/page 6 /type 0"
  "print-preview|/page 7 /type open"
  "print-chart|/page 7 /type print"
  "basic-controls|/page 8"
  "links|/page 9"
  "buttons|/page 10"
  "buttons-150|/page 10 /scale 150"
)
out="$build/demo"
rm -rf "$out"
mkdir -p "$out"
# One session for the whole tour; Wine sees the Linux file system as drive Z:.
"$here/wine-session.sh" "$build" bash -c '
  out=$1 gallery=$2; shift 2
  for stop in "$@"; do
    name=${stop%%|*} switches=${stop#*|}
    shot="Z:$(echo "$out/$name.bmp" | tr / "\\\\")"
    # shellcheck disable=SC2086 # the switches are words
    wine "$gallery" $switches /screenshot "$shot" || exit 1
  done
  # The chart printed through the preview to the session'"'"'s own queue.
  for _ in $(seq 300); do [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
  cp "$LATTICE_PRINT_DIR/out/job.pdf" "$out/print-chart.pdf" 2>/dev/null || true' tour "$out" "$gallery" "${tour[@]}"
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm -f "$bmp"
done
echo "Gallery screenshots in $out:"
ls "$out"
if [ -f "$out/print-chart.pdf" ]; then
  echo "The chart as printed through the preview: $out/print-chart.pdf"
else
  echo "demo: the chart was not printed (no print queue?)" >&2
fi
