# Sourced: sets up the environment for running the project's Windows build
# under Wine, with a prefix of the build's own, and creates that prefix once.
#   source scripts/wine-env.sh <build-dir>

_build_dir=$(cd "$1" && pwd)
# A session beside another of the same build names a prefix of its own.
export WINEPREFIX="${LATTICE_WINEPREFIX:-$_build_dir/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from LC_ALL; LANG alone leaves it at 1252.
# zh_TW gives code page 950 (Big5) without a Linux locale being generated.
export LANG=zh_TW.UTF-8 LC_ALL=zh_TW.UTF-8 2>/dev/null

if [ ! -f "$WINEPREFIX/.lattice-ready" ]; then
  echo "Creating Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # A virtual desktop: without a window manager, destroying a top-level
  # window costs seconds and foreground activation does not work, so
  # synthetic input would go nowhere.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  # The client's usual Traditional Chinese font, drawn with the CJK font
  # that this machine has: its face with hand-tuned bitmaps at small sizes,
  # since the outline face drawn without smoothing drops strokes there.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v PMingLiU /d 'WenQuanYi Zen Hei Sharp' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.lattice-ready"
fi
unset _build_dir
