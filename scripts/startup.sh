#!/usr/bin/env bash
# Start-up of the game against an empty Qt window, side by side, offscreen and under Xvfb (X11):
# both programs end after their first paint; runs alternate so both meet the same machine load.
# Builds what it runs with scripts/perf-build.sh (build-perf/, or VELTRANE_PERF_BUILD_DIR).
# Usage: scripts/startup.sh [runs]   (default 20)
# Prints "platform=… runs=… game_ms=… empty_ms=… ratio=…" (medians) per platform; the Xvfb
# line, the one the start-up target is judged by, comes last.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_PERF_BUILD_DIR:-$root/build-perf}
runs=${1:-20}
game=$build/bin/veltrane
empty=$build/bench/veltrane-empty-window

if [ -z "${VELTRANE_STARTUP_PLATFORM:-}" ]; then
  if ! command -v Xvfb >/dev/null; then
    echo "startup.sh: needs Xvfb (apt-get install xvfb)" >&2
    exit 1
  fi
  "$root/scripts/perf-build.sh" veltrane veltrane-empty-window veltrane_assets veltrane_scripts >&2
  VELTRANE_STARTUP_PLATFORM=offscreen "$0" "$runs"
  # Xvfb picks a free display itself (-displayfd): guessing one races with other X servers.
  display=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$display" 2>/dev/null &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null; rm -f "$display"' EXIT
  for ((i = 0; i < 100; ++i)); do
    [ -s "$display" ] && break
    sleep 0.1
  done
  [ -s "$display" ] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
  DISPLAY=:$(head -n 1 "$display") VELTRANE_STARTUP_PLATFORM=xcb "$0" "$runs"
  exit 0
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=$VELTRANE_STARTUP_PLATFORM

# Microseconds from the start of the process to its end after the first paint.
elapsed_us() {
  local start end
  start=$(date +%s%N)
  "$1" --exit-after-first-paint >/dev/null 2>&1 || { echo "$1 failed on $QT_QPA_PLATFORM" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median_ms() {
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

# One run of each first, unmeasured: the page cache then holds both programs and the pictures.
elapsed_us "$game" >/dev/null
elapsed_us "$empty" >/dev/null
game_us=() empty_us=()
for ((i = 0; i < runs; ++i)); do
  game_us+=("$(elapsed_us "$game")")
  empty_us+=("$(elapsed_us "$empty")")
done
game_ms=$(printf '%s\n' "${game_us[@]}" | median_ms)
empty_ms=$(printf '%s\n' "${empty_us[@]}" | median_ms)
ratio=$(awk -v g="$game_ms" -v e="$empty_ms" 'BEGIN { printf "%.2f", g / e }')
echo "platform=$QT_QPA_PLATFORM runs=$runs game_ms=$game_ms empty_ms=$empty_ms ratio=$ratio"
