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
if command -v dpkg-buildflags >/dev/null; then
  # The hardening Debian builds its own packages with: fortify, stack protector, relro, now.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
  export CFLAGS CXXFLAGS LDFLAGS
fi
nice -n 5 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANE_ASSETS=ON \
  -DVELTRANE_TESTS=OFF -DVELTRANE_BENCH=OFF -DVELTRANE_FUZZ=OFF -DVELTRANE_WERROR=OFF "${launcher[@]}"
nice -n 5 cmake --build "$build" --parallel "${VELTRANE_JOBS:-2}"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/veltrane_*.deb | head -n 1)
echo "package: $deb"
if command -v lintian >/dev/null; then
  # Errors fail the script; warnings are shown and accepted.
  lintian --fail-on error "$deb"
fi
