#!/usr/bin/env bash
# Builds the benchmark suite optimised and runs it; extra arguments go to the benchmark
# binary (for instance --benchmark_filter=Blend_D86).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make binutils libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench --target qira_bench
./build/bench/bench/qira_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
