#!/usr/bin/env bash
# Builds the tests of the rules, saved games, scripts, sound and tool unoptimised with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs them; any
# finding fails its test. It needs no other build.
# Configured on every run, so its options always hold.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_ASAN_BUILD_DIR:-$root/build-asan}
launcher=()
export CCACHE_BASEDIR="$root"
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON \
  -DVELTRANE_ASSETS=ON -DVELTRANE_TESTS=ON -DVELTRANE_BENCH=OFF -DVELTRANE_FUZZ=OFF -DVELTRANE_WERROR=OFF \
  "${launcher[@]}"
# The rules, saved games, scripts, sound and the tool: where hostile files and long games
# meet memory and integer arithmetic. The windowed passes and the picture generator run in
# the ordinary build only, which keeps the whole CI run within its time.
cmake --build "$build" --parallel "$(nproc)" --target test_core test_persist test_lang test_game test_sound \
  test_tools veltrane-tool
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
# Test programs left unbuilt stand in ctest as *_NOT_BUILT; the install check needs the game,
# the passes on other screens the window, and the generated-MP3 playback the generator's sounds.
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 -E '_NOT_BUILT|^Install\.|^Passes\.|GeneratedMp3Plays'
