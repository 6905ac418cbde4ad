#!/usr/bin/env bash
# Runs every suite (host unit and Wine tests, then the unit tests again under the sanitizers,
# then a short fixed run of every fuzz target when a fuzz build is given) and ends with one line
# over all of them: "N passed, M failed".
#   scripts/run-tests.sh HOST_BUILD ASAN_BUILD [FUZZ_BUILD]
# With WINE_TEST_BUILD set, the Wine tests come from that host build (the one of the 64-bit
# programs) instead of HOST_BUILD.
set -uo pipefail
host=$1
asan=$2
fuzz=${3:-}
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

# Each fuzz target counts as one test; FUZZ_RUNS inputs each, from a fixed seed.
fuzz_suite() {
  local dir=$1 runs=${FUZZ_RUNS:-6000}
  echo "== fuzz: every target for $runs inputs"
  local log
  log=$(mktemp)
  "$(dirname "$0")/../fuzz/run.sh" "$dir" --runs "$runs" 2>&1 | tee "$log"
  local line
  line=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "fuzz: the targets gave no result"
    failed=$((failed + 1))
  else
    passed=$((passed + $(sed -E 's/^fuzz: ([0-9]+) passed.*/\1/' <<<"$line")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed$/\1/' <<<"$line")))
  fi
  rm -f "$log"
}

if [ -n "${WINE_TEST_BUILD:-}" ]; then
  suite "host: unit tests" "$host" -LE wine
  suite "Wine tests of the 64-bit programs" "$WINE_TEST_BUILD" -L wine
else
  suite "host: unit and Wine tests" "$host"
fi
suite "sanitizers: unit tests" "$asan" -L unit
[ -n "$fuzz" ] && fuzz_suite "$fuzz"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
