#!/usr/bin/env bash
# Builds the library and the example host, then runs the host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make binutils
cmake --preset release -DQIRA_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target example_host
./build/release/examples/example_host "$@"
