#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build (cmake -S fuzz) over its seed corpus in fuzz/corpus,
# with the words of fuzz/dict/<target>.dict when there is one.
#
#   fuzz/run.sh BUILD --seconds N   each target for N seconds, one after another; what a target
#                                   finds is kept in BUILD/corpus/<target> for its next run
#   fuzz/run.sh BUILD --runs N      each target for N inputs from a fixed seed, starting from the
#                                   seed corpus alone, so that every run tries the same inputs
#
# An input that crashes a target, leaks, or breaks one of its checks is kept as
# BUILD/findings/<target>-crash-...; a target's output is in BUILD/logs/<target>.log. Prints
# one line per target and ends with "fuzz: N passed, M failed"; the exit status is 1 when a
# target failed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -ne 3 ] || { [ "$2" != --seconds ] && [ "$2" != --runs ]; }; then
  echo "usage: fuzz/run.sh BUILD --seconds N | --runs N" >&2
  exit 2
fi
build=$1
mode=$2
amount=$3
targets=(package_trailer project_record install_log product_record expert_settings text_page
         command_line setup_command_line text_project language_pack)
mkdir -p "$build/logs" "$build/findings"
passed=0
failed=0

for target in "${targets[@]}"; do
  program=$build/${target}_fuzzer
  log=$build/logs/$target.log
  if [ ! -x "$program" ]; then
    echo "FAIL $target: $program is missing"
    failed=$((failed + 1))
    continue
  fi
  if [ "$mode" = --seconds ]; then
    work=$build/corpus/$target
    mkdir -p "$work"
    limits=(-max_total_time="$amount")
  else
    work=$(mktemp -d)
    limits=(-runs="$amount" -seed=1)
  fi
  dict=()
  [ -f "$here/dict/$target.dict" ] && dict=(-dict="$here/dict/$target.dict")
  "$program" "${limits[@]}" "${dict[@]}" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$work" "$here/corpus/$target" >"$log" 2>&1
  status=$?
  [ "$mode" = --runs ] && rm -rf "$work"
  inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ $status -eq 0 ]; then
    echo "PASS $target: ${inputs:-?} inputs"
    passed=$((passed + 1))
  else
    echo "FAIL $target (status $status): see $log"
    grep -E 'ERROR|check failed|runtime error|SUMMARY' "$log" | head -n 5
    failed=$((failed + 1))
  fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
