#!/usr/bin/env bash
# Installs a Windows build into <build>/contract/prefix (only what changed) and builds the host
# project of tests/contract/host against that tree, as a host would:
#   build-contract-host.sh <build folder> <toolchain file> [cmake options]
# The host program lands in <build>/contract/host with the DLLs it loads.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
toolchain=$2
shift 2
prefix=$build/contract/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$root
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Configured every time: the units that compile each public header come
# from the installed package's list of headers.
cmake -S "$root/tests/contract/host" -B "$build/contract/host" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build/contract/host"
