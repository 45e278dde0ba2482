#!/usr/bin/env bash
# Runs the gallery: in a window where there is a display; otherwise under
# Xvfb, saving a screenshot of it as a PNG and printing where it is.
#   scripts/demo.sh <win64-build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
gallery="$build/bin/gallery.exe"

if [ -n "${DISPLAY:-}" ]; then
  source "$here/wine-env.sh" "$build"
  exec wine "$gallery"
fi

out="$build/demo"
mkdir -p "$out"
rm -f "$out"/gallery.bmp "$out"/gallery.png
# Wine sees the Linux file system as drive Z:.
shot="Z:$(echo "$out/gallery.bmp" | tr / '\\')"
"$here/wine-session.sh" "$build" wine "$gallery" /screenshot "$shot"
convert "$out/gallery.bmp" "$out/gallery.png"
rm -f "$out/gallery.bmp"
echo "Gallery screenshot: $out/gallery.png"
