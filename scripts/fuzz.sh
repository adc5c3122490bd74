#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a
# bounded time (default 30 s). Crashes, timeouts (over 1 s) and inputs that
# blow the memory limit land in tests/fuzz-corpus/<target>/, which the ordinary
# tests replay: commit them with the fix.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(ini savedgame scriptlookup format lint)
build=${VELTRANE_FUZZ_BUILD_DIR:-$root/build-fuzz}
launcher=()
export CCACHE_BASEDIR="$root"
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# Configured on every run, so its options always hold.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DVELTRANE_FUZZ=ON -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF -DVELTRANE_ASSETS=OFF -DVELTRANE_WERROR=OFF
cmake --build "$build" --parallel 2 --target veltrane-tool "${targets[@]/%/_fuzzer}"

# Seeds from our own files: the scripts, a fresh saved game, the scripts' format texts.
seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{ini,savedgame,scriptlookup,lint,format}
ASAN_OPTIONS=detect_leaks=0 "$build/bin/veltrane-tool" new --seed 1 --name Seed --out "$seeds/savedgame/new.sav" >/dev/null
for script in "$root"/data/LScripts/*.lng; do
  for t in ini scriptlookup lint; do cp "$script" "$seeds/$t/"; done
done
cp "$seeds/savedgame/new.sav" "$seeds/ini/"
n=0
grep -h '%' "$root"/data/LScripts/*.lng | cut -d= -f2- | while IFS= read -r value; do
  n=$((n + 1))
  # The first byte picks the argument kinds (see fuzz/FuzzEntries.h): texts, numbers, mixed.
  printf '\xAA%s' "$value" >"$seeds/format/s$n"
  printf '\x00%s' "$value" >"$seeds/format/d$n"
  printf '\x1A%s' "$value" >"$seeds/format/m$n"
done

status=0
for t in "${targets[@]}"; do
  found=$root/tests/fuzz-corpus/$t
  work=$build/corpus/$t
  mkdir -p "$found" "$work"
  echo "== $t: $seconds s"
  # The working corpus grows over runs and stays out of the repository.
  if ! "$build/fuzz/${t}_fuzzer" "$work" "$seeds/$t" -max_total_time="$seconds" -timeout=1 \
      -rss_limit_mb=512 -max_len=262144 -artifact_prefix="$found/" -print_final_stats=1 \
      2>"$build/$t.log"; then
    status=1
  fi
  grep -E '^(==[0-9]+==ERROR|SUMMARY|stat::number_of_executed_units|stat::peak_rss_mb|artifact_prefix|Test unit written|#[0-9]+ *DONE)' \
    "$build/$t.log" || true
done
exit $status
