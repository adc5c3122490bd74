#!/usr/bin/env bash
# Configures the Release build the performance figures are taken from, in a folder of its own
# (build-perf/, or VELTRANE_PERF_BUILD_DIR) so a developer's build/ keeps its options, and builds
# the targets named: scripts/perf-build.sh TARGET...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_PERF_BUILD_DIR:-$root/build-perf}
[ $# -gt 0 ] || { echo "usage: perf-build.sh TARGET..." >&2; exit 2; }
export CCACHE_BASEDIR="$root"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_ASSETS=ON -DVELTRANE_BENCH=ON \
  -DVELTRANE_TESTS=OFF "${launcher[@]}" >/dev/null
nice -n 5 cmake --build "$build" --parallel 2 --target "$@"
