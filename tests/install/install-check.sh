#!/usr/bin/env bash
# Installs the built game into a throw-away root, starts the installed program once
# (offscreen, a fresh home) and checks it found its pictures; validates the menu entry
# and the metainfo (scripts/install-deps.sh installs the validators).
# Usage: install-check.sh BUILD APP_ID [CMAKE]
set -euo pipefail
build=$1 app_id=$2 cmake=${3:-cmake}
if [ ! -d "$build/bin/Pics" ]; then
  echo "FAIL: no pictures in $build/bin"
  exit 1
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$tmp/root" "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" || {
  cat "$tmp/install.log"
  fail "cmake --install"
}
usr=$tmp/root/usr
desktop=$usr/share/applications/veltrane.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] && [ -f "$metainfo" ] || fail "no menu entry or metainfo installed"
[ ! -e "$usr/share/veltrane/veltrane" ] || fail "the program was copied into its own data folder"
! compgen -G "$usr/share/veltrane/*.so" >/dev/null || fail "a shared object was copied into the data folder"

icon=$(sed -n 's/^Icon=//p' "$desktop")
compgen -G "$usr/share/icons/hicolor/*/apps/$icon.png" >/dev/null || fail "no icon named $icon"

# Start the program the menu entry names, from the installed tree only.
read -r program arguments <<<"$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuU]//g')"
[ -x "$usr/bin/$program" ] || fail "Exec=$program is not in $usr/bin"
mkdir -p "$tmp/home"
status=0
env -i PATH="$PATH" HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/home" QT_QPA_PLATFORM=offscreen \
  SDL_AUDIODRIVER=dummy timeout 30 "$usr/bin/$program" ${arguments:-} --exit-after-first-paint \
  2>"$tmp/stderr" || status=$?
# Every problem the game reports (a missing picture first of all) also goes to stderr.
if [ "$status" -ne 0 ] || grep -q '^veltrane: ' "$tmp/stderr"; then
  cat "$tmp/stderr"
  fail "the installed game exited with $status or reported a problem"
fi
echo "installed game started and painted without reporting a problem"

command -v desktop-file-validate >/dev/null || fail "needs desktop-file-validate (desktop-file-utils)"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "desktop-file-validate: ok"
command -v appstreamcli >/dev/null || fail "needs appstreamcli (appstream)"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
