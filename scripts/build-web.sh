#!/usr/bin/env bash
# Builds the browser page into build/web/: the library compiled to WebAssembly (one
# JavaScript file, the wasm embedded) beside the page's HTML, CSS and scripts.
# Open build/web/index.html directly (file://) or serve build/web/ from any static server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh emscripten make
# emcc's JavaScript optimizer needs Debian's node modules (acorn) on Node's path.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
out=build/web
# The library's source folders, as the top CMakeLists.txt globs them.
dirs=$(sed -n 's|^ *\${CMAKE_CURRENT_SOURCE_DIR}/\([a-z_]*\)/\*\.cpp)\?$|\1|p' CMakeLists.txt | tr '\n' ' ')
# Every C export of the library (the lists the export test checks), callable from the page.
exports=$(grep -hv '^#' tests/exports/*.txt | sed '/^$/d; s/^/_/' | sort -u | paste -sd, -)
make -s -j2 -f web/engine.mk SRC_DIRS="$dirs" OUT="$out" WORK=build/web-engine EXPORTS="$exports"
cp web/index.html web/style.css "$out"/
mkdir -p "$out/js"
cp web/js/*.js "$out/js/"
# The library's shared constants (frame/constants.h, one home each) for the page's scripts.
{
  echo '// The library'"'"'s constants, written by scripts/build-web.sh from frame/constants.h.'
  echo 'var QiraConstants = {'
  sed -n 's|^constexpr double k\([A-Za-z0-9]*\) = \(.*\);.*|  \1: \2,|p' frame/constants.h
  echo '};'
} > "$out/js/constants.js"
echo "built $out/index.html"
