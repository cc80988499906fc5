#!/usr/bin/env bash
# The browser page: builds it (scripts/build-web.sh), then drives it in headless Chromium
# from file:// and compares what it shows with the qira command on the native library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh chromium chromium-driver python3-selenium cmake g++ make
bash scripts/build-web.sh
# The native library the command runs on (already built when the full suite ran first).
[ -f build/release/CMakeCache.txt ] ||
  cmake --preset release -DQIRA_BUILD_TESTS=OFF -DQIRA_BUILD_EXAMPLES=OFF >/dev/null
cmake --build --preset release --target QIRAPropCalculator
# Debian's interpreter: the one that sees python3-selenium.
QIRA_LIBRARY="$PWD/build/release" /usr/bin/python3 web/tests/test_page.py
