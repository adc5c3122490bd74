#!/usr/bin/env bash
# Fails, listing the files, when a tracked .cpp/.h differs from the committed .clang-format layout.
#   scripts/check-format.sh            (CLANG_FORMAT=clang-format-14 picks another binary)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
clang_format=${CLANG_FORMAT:-}
if [ -z "$clang_format" ]; then
  for candidate in clang-format-14 clang-format; do
    if command -v "$candidate" >/dev/null; then
      clang_format=$candidate
      break
    fi
  done
fi
if [ -z "$clang_format" ]; then
  echo "check-format: clang-format (version 14) not found" >&2
  exit 2
fi
version=$("$clang_format" --version)
case "$version" in
  *"version 14."*) ;;
  *) echo "check-format: expected clang-format 14, found: $version" >&2 ;;
esac

# One clang-format run over all files; its messages name each file that would change.
status=0
output=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$clang_format" --dry-run --Werror 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
  bad=$(printf '%s\n' "$output" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
  if [ -n "$bad" ]; then
    echo "check-format: these files differ from .clang-format; run clang-format -i on them:" >&2
    printf '%s\n' "$bad" | sed 's/^/  /' >&2
  else
    printf '%s\n' "$output" >&2
    echo "check-format: clang-format failed" >&2
  fi
  exit 1
fi
echo "check-format: all tracked .cpp/.h files are formatted"
