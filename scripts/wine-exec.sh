#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one program under Wine in the
# session that scripts/wine-session.sh opened.
if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-exec.sh: run the Wine tests through scripts/wine-session.sh" >&2
  exit 2
fi
exec wine "$@"
