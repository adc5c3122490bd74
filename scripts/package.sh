#!/usr/bin/env bash
# Builds a Release of the game (without tests and benchmarks) and packs it as a .deb:
#   scripts/package.sh            -> build-package/veltrane_<version>_<arch>.deb
# VELTRANE_PACKAGE_DIR picks another build folder. Checks the package with lintian when present.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANE_PACKAGE_DIR:-$root/build-package}
launcher=()
export CCACHE_BASEDIR="$root"
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_ASSETS=ON \
  -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF -DVELTRANE_FUZZ=OFF "${launcher[@]}"
cmake --build "$build" --parallel "${VELTRANE_JOBS:-$(nproc)}"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/veltrane_*.deb | head -n 1)
echo "package: $deb"
if command -v lintian >/dev/null; then
  # Errors fail the script; warnings are shown and accepted.
  lintian --fail-on error "$deb"
fi
