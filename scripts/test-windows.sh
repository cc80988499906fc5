#!/usr/bin/env bash
# Cross-builds QIRAPropCalculator.dll with MinGW-w64 (release) and runs the whole test
# suite against it under Wine; checks that the DLL imports only KERNEL32 and the C runtime,
# and that the example host prints under Wine what it prints on Linux (numbers to 1e-12
# relative: MinGW's mathematical functions are not glibc's). The Linux release build
# (build/release, made by scripts/test.sh) is the reference; it is built when missing.
#
# Build folders: build/windows (the cross build, with its private Wine prefix) and
# build/windows-deps (GoogleTest for MinGW, built once from Debian's googletest sources).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
start=$SECONDS
stage() { echo "== $1 (at $((SECONDS - start)) s)"; }
bash scripts/ensure-deps.sh cmake g++ make binutils python3 libgtest-dev googletest \
  g++-mingw-w64-x86-64-posix wine wine64

build=$root/build/windows
deps=$root/build/windows-deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
mkdir -p "$build" "$deps"

# Wine, headless and quiet, in a prefix of its own. Its server is started here, detached
# from this script's output: started by the first test it would inherit CTest's pipe and
# hold it open, stalling test discovery.
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
mkdir -p "$WINEPREFIX"
# The server puts itself in the background once it listens; the prefix's first program
# (wineboot, which also starts Wine's own services) runs here with its output discarded.
setsid "$wineserver" -p </dev/null >/dev/null 2>&1
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
stage "Wine prefix"
wine wineboot -i </dev/null >/dev/null 2>&1

if [ ! -f "$deps/googletest/lib/libgtest.a" ]; then
  stage "GoogleTest for MinGW"
  cmake -S /usr/src/googletest -B "$deps/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -DCMAKE_INSTALL_PREFIX="$deps/googletest" >/dev/null
  cmake --build "$deps/googletest-build" -j2 >/dev/null
  cmake --install "$deps/googletest-build" >/dev/null
fi

stage "Linux reference (release)"
[ -f build/release/CMakeCache.txt ] || cmake --preset release -DQIRA_BUILD_TESTS=ON >/dev/null
cmake --build --preset release --target QIRAPropCalculator example_host >/dev/null

stage "Windows build (MinGW-w64, release)"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DQIRA_BUILD_TESTS=ON -DQIRA_WINDOWS_PREFIXES="$deps/googletest" \
  -DQIRA_LINUX_LIBRARY="$root/build/release/libQIRAPropCalculator.so" >/dev/null
cmake --build "$build" -j2

stage "Imports of QIRAPropCalculator.dll"
imports=$(x86_64-w64-mingw32-objdump -p "$build/bin/QIRAPropCalculator.dll" |
  sed -n 's/^[[:space:]]*DLL Name: //p')
echo "$imports" | sed 's/^/  /'
if echo "$imports" | grep -viqE '^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-.*)\.dll$'; then
  echo "QIRAPropCalculator.dll imports more than KERNEL32 and the C runtime" >&2
  exit 1
fi

stage "Tests under Wine"
ctest --test-dir "$build" -j2 --timeout 300 --output-on-failure

stage "Example host: Wine against Linux"
# Each run writes its chart (qira_curves.svg) into a folder of its own; the first line of
# the output names the library path, which differs by platform.
strip_path='s/(library: [^)]*)/(library)/'
mkdir -p "$build/example/linux" "$build/example/wine"
(cd "$build/example/linux" && env -u QIRA_SVG "$root/build/release/examples/example_host") |
  sed "$strip_path" >"$build/example/linux.txt"
(cd "$build/example/wine" && env -u QIRA_SVG wine "$build/bin/example_host.exe" </dev/null) |
  tr -d '\r' | sed "$strip_path" >"$build/example/wine.txt"
for out in .txt /qira_curves.svg; do
  python3 examples/check_output.py "$build/example/linux$out" "$build/example/wine$out" \
    --rtol 1e-12
done
echo "example host output ($(wc -l <"$build/example/linux.txt") lines) and chart match Linux"

echo "== Windows run took $((SECONDS - start)) s"
