#!/usr/bin/env bash
# One performance report: builds Release into a folder of its own (scripts/perf-build.sh,
# build-perf/), runs every benchmark with repetitions and the start-up comparison (offscreen
# and under Xvfb), and writes docs/performance.md (figure, target, median, met).
# Usage: scripts/performance.sh [repetitions] [start-up runs]   (defaults 5 and 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_PERF_BUILD_DIR:-$root/build-perf}
repetitions=${1:-5}
runs=${2:-20}
"$root/scripts/perf-build.sh" veltrane veltrane-empty-window veltrane-bench veltrane_assets veltrane_scripts

# Kept in the build folder, so the report can be written again without a new run.
out=$build/performance
mkdir -p "$out"
# Every benchmark the program has, new ones included; the medians are what the report reads.
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$build/bench/veltrane-bench" \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_out="$out/bench.json" --benchmark_out_format=json
VELTRANE_PERF_BUILD_DIR=$build "$root/scripts/startup.sh" "$runs" | tee "$out/startup.txt"
python3 "$root/scripts/performance_report.py" "$out/bench.json" "$out/startup.txt" "$root/bench" "$root/docs/performance.md"
