#!/usr/bin/env bash
# Runs each libFuzzer program for SECONDS from its saved corpus; with MERGE=1 what it finds new
# is merged into tests/fuzz/corpus/NAME. A crash fails the run and leaves the input in
# build/fuzz/findings.
# Usage: fuzz.sh SECONDS NAME...
set -euo pipefail
seconds=$1
shift
top=$(cd "$(dirname "$0")/.." && pwd)
for name in "$@"; do
  program=$top/build/fuzz/fuzz_$name
  work=$top/build/fuzz/work/$name
  findings=$top/build/fuzz/findings/$name
  mkdir -p "$work" "$findings"
  echo "fuzz $name for ${seconds}s"
  "$program" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" "$top/tests/fuzz/corpus/$name" 2>"$top/build/fuzz/$name.log" ||
    { tail -n 30 "$top/build/fuzz/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_units' "$top/build/fuzz/$name.log" || true
  if [ "${MERGE:-0}" = 1 ]; then
    "$program" -merge=1 "$top/tests/fuzz/corpus/$name" "$work" >>"$top/build/fuzz/$name.log" 2>&1
  fi
done
