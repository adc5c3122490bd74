#!/usr/bin/env bash
# Captures the main pages of the game into docs/ for the README: the pass
# tests drive the real window offscreen and save what the player sees.
# VELTRANE_PASS_SIZE=1920x1080 (and VELTRANE_PASS_FULL_SCREEN=1) takes them at that size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_BUILD_DIR:-$root/build}
# The pages go into the README as JPEG, made by ImageMagick; without it nothing is written.
if ! convert -version 2>/dev/null | grep -q ImageMagick; then
  echo "screenshots.sh: needs ImageMagick's convert (apt-get install imagemagick); no pictures written" >&2
  exit 1
fi
"$root/scripts/build.sh"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELTRANE_SHOTS="$shots"
"$build/tests/test_ui" --gtest_filter='ExplorationPass.*:CityPass.*:JourneyPass.*' >/dev/null
mkdir -p "$root/docs"
for page in map system surface city options0 tunnel; do
  convert "$shots/$page.png" -quality 85 "$root/docs/$page.jpg"
done
echo "pictures written to $root/docs"
