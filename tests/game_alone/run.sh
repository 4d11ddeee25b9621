#!/usr/bin/env bash
# run.sh -- the game as a player builds it: configured with BUILD_TESTING=OFF
# and the test packages hidden from CMake, built into a scratch folder, and
# started on a virtual X server, where it plays the stairs demo to its end.
# Fails if the game's build, or any program it builds, comes to need a test
# tool: GoogleTest or Google Benchmark looked for (or required), OSMesa linked.
#
#   tests/game_alone/run.sh [SCRATCH]     (default: a new folder under /tmp)
set -uo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
scratch=${1:-$(mktemp -d "${TMPDIR:-/tmp}/maze-alone.XXXXXX")}
mkdir -p "$scratch"

fail() {
    echo "game alone: FAIL  $*" >&2
    exit 1
}

# OSMesa is no package to CMake: its cached paths point where nothing is, so
# a target that comes to link it cannot be built.
if ! cmake -S "$top" -B "$scratch" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DOSMESA_INCLUDE_DIR=/nonexistent -DOSMESA_LIBRARY=/nonexistent/libOSMesa.so \
    >"$scratch/configure.log" 2>&1; then
    tail -20 "$scratch/configure.log" >&2
    fail "configuring without the test tools ($scratch/configure.log)"
fi
# With the tests off nothing should even be looked for and left out.
if grep -m1 'Leaving out' "$scratch/configure.log" >&2; then
    fail "configuring with BUILD_TESTING=OFF still looks for a test tool"
fi
if ! cmake --build "$scratch" -j2 >"$scratch/build.log" 2>&1; then
    grep -m5 -i 'error' "$scratch/build.log" >&2
    fail "building without the test tools ($scratch/build.log)"
fi
needed=$(readelf -d "$scratch/maze" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | paste -sd ' ')
if grep -Eo 'lib(gtest|gmock|benchmark|OSMesa)[^ ]*' <<<"$needed"; then
    fail "maze links a test tool's library: $needed"
fi

demo=stairs_demo.script
cp "$top/tests/sim/$demo" "$scratch/"
(cd "$scratch" && timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" ./maze --timedemo "$demo") \
    >"$scratch/timedemo.txt" 2>&1
status=$?
line=$(grep -m1 "^timedemo $demo: " "$scratch/timedemo.txt")
if [ $status != 0 ] || [ -z "$line" ]; then
    fail "the game built alone: exit code $status, output: $(head -3 "$scratch/timedemo.txt")"
fi
echo "game alone: built with BUILD_TESTING=OFF and no test package in reach; on Xvfb: $line"
[ -n "${1:-}" ] || rm -rf "$scratch"
