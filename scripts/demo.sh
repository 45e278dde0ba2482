#!/usr/bin/env bash
# Runs the gallery: in a window where there is a display; otherwise under
# Xvfb as its guided tour, which drives every control with real input,
# checks each step's result and saves a picture of each step, the controls
# cropped for the README and the chart it printed. A failed step fails the
# demo with the step's name and why.
#   scripts/demo.sh <win64-build-dir>                 (the demo)
#   scripts/demo.sh <win64-build-dir> --pictures <dir> (the tour, then the
#                     controls' pictures as small PNGs into <dir>)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
gallery="$build/bin/gallery.exe"
pictures=""
if [ "${2:-}" = "--pictures" ]; then
  pictures=$(mkdir -p "$3" && cd "$3" && pwd)
fi

if [ -n "${DISPLAY:-}" ] && [ -z "$pictures" ]; then
  source "$here/wine-env.sh" "$build"
  # With the run's own print queue, so that the preview prints somewhere.
  exec "$here/print-server.sh" run "$build" wine "$gallery"
fi

out="$build/demo"
rm -rf "$out"
mkdir -p "$out"
# Wine sees the Linux file system as drive Z:.
"$here/wine-session.sh" "$build" wine "$gallery" /tour "Z:$(echo "$out" | tr / '\\')"
for bmp in "$out"/*.bmp "$out"/pictures/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png"
  rm -f "$bmp"
done
echo "The tour's pictures, one per step, in $out:"
(cd "$out" && ls ./*.png | sed 's|^\./|  |')
echo "The controls cropped, in $out/pictures/"
echo "The chart as printed through the preview: $out/print-chart.pdf"

if [ -n "$pictures" ]; then
  # Small enough to check in: a palette of at most 64 colours, then the
  # smallest lossless encoding of it. Pictures the tour no longer takes go.
  rm -f "$pictures"/*.png
  for png in "$out"/pictures/*.png; do
    pngquant --force --quality 60-95 --speed 1 64 --output "$pictures/$(basename "$png")" "$png"
    optipng -quiet -o5 "$pictures/$(basename "$png")"
  done
  echo "The README's pictures in $pictures:"
  du -b "$pictures"/*.png | sed 's|^|  |'
fi
