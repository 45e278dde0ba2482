#!/usr/bin/env bash
# Checks that every DLL and program of a build folder is a 32-bit PE image.
set -euo pipefail
dir=$1
status=0
for f in "$dir"/*.dll "$dir"/*.exe; do
  [ -e "$f" ] || continue
  if objdump -f "$f" | grep -q 'file format pei-i386'; then
    echo "PE32: $(basename "$f")"
  else
    echo "not PE32: $f" >&2
    status=1
  fi
done
exit $status
