#!/usr/bin/env bash
# Builds the library and runs the whole test suite twice: a release build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build (halting on the first report).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make binutils pkg-config python3 python3-numpy libgtest-dev
for preset in release sanitize; do
  echo "== $preset build"
  cmake --preset "$preset" -DQIRA_BUILD_TESTS=ON >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
done
