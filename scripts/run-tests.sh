#!/usr/bin/env bash
# Runs every suite (host unit and Wine tests, then the unit tests again under the sanitizers)
# and ends with one line over all of them: "N passed, M failed".
set -uo pipefail
host=$1
asan=$2
passed=0
failed=0

suite() {
  local title=$1 dir=$2
  shift 2
  echo "== $title"
  local log
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j2 "$@" 2>&1 | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    if grep -q 'No tests were found' "$log"; then rm -f "$log"; return; fi
    echo "$title: ctest gave no result"
    failed=$((failed + 1))
  else
    local f t
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + t - f))
    failed=$((failed + f))
  fi
  rm -f "$log"
}

suite "host: unit and Wine tests" "$host"
suite "sanitizers: unit tests" "$asan" -L unit

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
