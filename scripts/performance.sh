#!/usr/bin/env bash
# One performance report: builds Release (with the pictures the window
# benchmarks need), runs every benchmark with repetitions and the start-up
# comparison, and writes docs/performance.md (figure, target, median, met).
# Usage: scripts/performance.sh [repetitions] [start-up runs]   (defaults 5 and 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_BUILD_DIR:-$root/build}
repetitions=${1:-5}
runs=${2:-20}
export CCACHE_BASEDIR="$root"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_ASSETS=ON -DVELTRANE_BENCH=ON \
  "${launcher[@]}" >/dev/null
nice -n 5 cmake --build "$build" --parallel 2 \
  --target veltrane veltrane-empty-window veltrane-bench veltrane_assets veltrane_scripts

# Kept in the build folder, so the report can be written again without a new run.
out=$build/performance
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# Every benchmark the program has, new ones included; the medians are what the report reads.
"$build/bench/veltrane-bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_out="$out/bench.json" --benchmark_out_format=json
startup=$("$root/scripts/startup.sh" "$runs" | tail -n 1)
echo "$startup" | tee "$out/startup.txt"
python3 "$root/scripts/performance_report.py" "$out/bench.json" "$startup" "$root/bench" "$root/docs/performance.md"
