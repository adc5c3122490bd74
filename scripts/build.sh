#!/usr/bin/env bash
# Configures and builds everything into build/; the program folder is build/bin.
# Configured on every run, so a changed option always takes (quick when nothing changed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_BUILD_DIR:-$root/build}
launcher=()
# Paths relative to the checkout let clones at other places share the compiler cache.
export CCACHE_BASEDIR="$root"
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build "$build" --parallel "$(nproc)"
