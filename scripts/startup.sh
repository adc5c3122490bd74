#!/usr/bin/env bash
# Start-up of the game against an empty Qt window, side by side: both programs
# end after their first paint; runs alternate so both meet the same machine load.
# Usage: scripts/startup.sh [runs]   (default 20; build dir from VELTRANE_BUILD_DIR)
# Prints "game_ms=… empty_ms=… ratio=…" (medians) on its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_BUILD_DIR:-$root/build}
runs=${1:-20}
game=$build/bin/veltrane
empty=$build/bench/veltrane-empty-window
for program in "$game" "$empty"; do
  [ -x "$program" ] || { echo "missing $program: build veltrane and veltrane-empty-window" >&2; exit 1; }
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

# Milliseconds from the start of the process to its end after the first paint.
elapsed_ms() {
  local start end
  start=$(date +%s%N)
  "$1" --exit-after-first-paint >/dev/null 2>&1 || { echo "$1 failed" >&2; exit 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median_ms() {
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

# One run of each first, unmeasured: the page cache then holds both programs and the pictures.
elapsed_ms "$game" >/dev/null
elapsed_ms "$empty" >/dev/null
game_us=() empty_us=()
for ((i = 0; i < runs; ++i)); do
  game_us+=("$(elapsed_ms "$game")")
  empty_us+=("$(elapsed_ms "$empty")")
done
game_ms=$(printf '%s\n' "${game_us[@]}" | median_ms)
empty_ms=$(printf '%s\n' "${empty_us[@]}" | median_ms)
ratio=$(awk -v g="$game_ms" -v e="$empty_ms" 'BEGIN { printf "%.2f", g / e }')
echo "runs=$runs game_ms=$game_ms empty_ms=$empty_ms ratio=$ratio"
