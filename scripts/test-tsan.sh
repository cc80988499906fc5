#!/usr/bin/env bash
# The concurrency test under ThreadSanitizer: builds only the library objects and
# test_concurrency with -fsanitize=thread (build/tsan) and runs it; any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make libgtest-dev
flags="-fsanitize=thread -fno-omit-frame-pointer -g -O1"
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRA_BUILD_EXAMPLES=OFF \
  "-DCMAKE_C_FLAGS=$flags" "-DCMAKE_CXX_FLAGS=$flags" \
  -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build build/tsan --target test_concurrency -j2
# Without address-space randomisation where allowed: the sanitizer runtime of older
# compilers cannot map its shadow memory under a kernel's larger randomisation ranges.
run=()
setarch "$(uname -m)" -R true 2>/dev/null && run=(setarch "$(uname -m)" -R)
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}" \
  "${run[@]}" build/tsan/tests/test_concurrency
