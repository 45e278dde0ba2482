#!/usr/bin/env bash
# Installs the Debian packages that the builds, tests, benchmarks and demo
# need, and nothing when they are all there already.
set -euo pipefail

packages=(
  make cmake ninja-build ccache g++ clang libclang-rt-14-dev  # builds (cached), sanitizers, libFuzzer
  googletest                                           # tests (also cross-built for Wine)
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix  # Windows cross compilers with std::thread
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686    # windres, dlltool
  wine wine64                                          # running the x86-64 build
  xvfb xauth                                           # an X display for Wine
  imagemagick fonts-wqy-zenhei                         # demo screenshots with Chinese text
  pngquant optipng                                     # the README's pictures, made small
  cups cups-client cups-filters                        # a private print scheduler with a PDF queue
  poppler-utils                                        # reading the printed PDFs back
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
