#!/usr/bin/env bash
# make format-check: every C++ file that git tracks is formatted as .clang-format says.
# With --fix, formats them in place instead.
#   scripts/format-check.sh [SOURCE_DIR] [--fix]
set -uo pipefail
cd "${1:-.}" || exit 1
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null || { echo "format-check: $format is not installed" >&2; exit 1; }
if [ "${2:-}" = "--fix" ]; then
  git ls-files -z '*.h' '*.cpp' | xargs -0 -P2 -n40 "$format" -i
  exit
fi
log=$(mktemp)
git ls-files -z '*.h' '*.cpp' | xargs -0 -P2 -n40 "$format" --dry-run --Werror 2>"$log"
status=$?
files=$(grep -oE '^[^:]+\.(h|cpp):' "$log" | sort -u)
if [ "$status" -ne 0 ] || [ -n "$files" ]; then
  head -n 40 "$log"
  echo "format-check: $(grep -c . <<<"$files") files differ from .clang-format;" \
       "scripts/format-check.sh . --fix formats them"
  rm -f "$log"
  exit 1
fi
rm -f "$log"
echo "format-check: $(git ls-files '*.h' '*.cpp' | wc -l) files formatted as .clang-format says"
