#!/usr/bin/env bash
# The rule libraries are plain C++: no Qt header may appear in them.
set -u
root=${1:-$(dirname "$0")/..}
hits=$(grep -rnE '^\s*#\s*include\s*[<"]Q[A-Za-z]*(/|>|")|^\s*#\s*include\s*[<"]qt' \
  "$root/src/core" "$root/src/game" "$root/src/persist" "$root/src/lang" 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in the rule libraries:"
  echo "$hits"
  exit 1
fi
echo "core, game, persist and lang include no Qt header"
