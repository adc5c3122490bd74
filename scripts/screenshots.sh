#!/usr/bin/env bash
# Captures the main pages of the game into docs/ for the README: the pass
# tests drive the real window offscreen and save what the player sees.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELTRANE_SHOTS="$shots"
"$build/tests/test_ui" --gtest_filter='ExplorationPass.*:CityPass.*:JourneyPass.*' >/dev/null
mkdir -p "$root/docs"
for page in map system surface city options0 tunnel; do
  if command -v convert >/dev/null && convert -version >/dev/null 2>&1; then
    convert "$shots/$page.png" -quality 85 "$root/docs/$page.jpg"
  else
    cp "$shots/$page.png" "$root/docs/$page.png"
  fi
done
echo "pictures written to $root/docs"
