#!/usr/bin/env bash
# Builds the tests unoptimised with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs them all; any finding fails its test. The tree makes its own
# pictures and sounds with the generator it builds, so it needs no other build.
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
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
# Painting every picture and sound twice takes minutes unoptimised; the generator's
# parts are tested one by one, the whole run only in the ordinary build. The bot's
# whole games and the random command sequences repeat, thousands of times over, the
# code the other tests run here once; they run in the ordinary build.
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 \
  -E 'GeneratorRun\.SameBytesWhateverTheThreadCount|BotGame\.|Differential\.'
