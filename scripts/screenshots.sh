#!/usr/bin/env bash
# Captures the main pages of the game into docs/ for the README: the pass
# tests drive the real window offscreen and save what the player sees.
# Usage: scripts/screenshots.sh [1280x720|1920x1080|3840x2160]; with a screen size
# every page and dialog is taken full screen on a screen that large, into docs/<size>/.
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
if [ $# -eq 0 ]; then
  "$build/tests/test_ui" --gtest_filter='ExplorationPass.*:CityPass.*:JourneyPass.*' >/dev/null
  pages="map system surface city options0 tunnel" out="$root/docs"
else
  screen="$build/tests/screen-$1.json" # written by the build for the passes on each screen
  [ -f "$screen" ] || { echo "screenshots.sh: no screen $1; take 1280x720, 1920x1080 or 3840x2160" >&2; exit 1; }
  QT_QPA_PLATFORM="offscreen:configfile=$screen" VELTRANE_PASS_FULL_SCREEN=1 \
    "$build/tests/test_ui" --gtest_filter='*Pass*' >/dev/null
  pages=$(cd "$shots" && ls -- *.png | sed 's/\.png$//') out="$root/docs/$1"
fi
mkdir -p "$out"
for page in $pages; do
  convert "$shots/$page.png" -quality 85 "$out/$page.jpg"
done
echo "pictures written to $out"
