#!/usr/bin/env bash
# Builds every libFuzzer target and runs each for a bounded time (default 20 s each),
# starting from the seed corpus in fuzz/corpus/<target>/ and the inputs of past findings
# in fuzz/regressions/<target>/. Fails on the first finding.
# A longer local run: bash scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
bash scripts/ensure-deps.sh cmake clang make libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for bin in build/fuzz/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  mkdir -p "$work/$name"
  corpora=("$work/$name")
  for dir in "fuzz/corpus/$name" "fuzz/regressions/$name"; do
    [ -d "$dir" ] && corpora+=("$dir")
  done
  echo "== $name (${seconds}s)"
  if ! "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/$name-" \
        "${corpora[@]}" >"$work/$name.log" 2>&1; then
    grep -v "^#" "$work/$name.log" | tail -40
    echo "FINDING in $name"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$work/$name.log" | tail -2
  fi
done
exit $status
