#!/usr/bin/env bash
# Runs every test executable (the GoogleTest suites and the plain-C host) under Valgrind
# memcheck: any invalid access, use of an uninitialised value or leak fails the run.
# Builds an optimised build with debug information into build/valgrind first; with
# QIRA_VALGRIND_BUILD=<dir> it reuses that existing, unsanitized build instead (CI passes
# build/release, already built by scripts/test.sh) and only brings it up to date.
#   bash scripts/valgrind.sh            every test executable
#   bash scripts/valgrind.sh test_blends test_cutting   only the named ones
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make valgrind libgtest-dev
if [ -n "${QIRA_VALGRIND_BUILD:-}" ]; then
  build=$QIRA_VALGRIND_BUILD
else
  build=build/valgrind
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRA_BUILD_TESTS=ON \
    -DQIRA_BUILD_EXAMPLES=OFF >/dev/null
fi
cmake --build "$build" -j2
if [ $# -gt 0 ]; then
  tests=("$@")
else
  tests=()
  for bin in "$build"/tests/test_* "$build"/tests/c_header_host; do
    [ -x "$bin" ] && tests+=("$(basename "$bin")")
  done
fi
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
for name in "${tests[@]}"; do
  start=$SECONDS
  if valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
       --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
       --track-origins=yes --quiet "$build/tests/$name" >"$logs/$name.log" 2>&1; then
    echo "clean   $name ($((SECONDS - start)) s)"
  else
    echo "FAILED  $name ($((SECONDS - start)) s)"
    grep -E "==[0-9]+==|FAILED" "$logs/$name.log" | head -40
    status=1
  fi
done
exit $status
