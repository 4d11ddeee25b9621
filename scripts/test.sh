#!/usr/bin/env bash
# test.sh -- install what is missing, build every preset and run every test:
# unit tests and replays natively, under AddressSanitizer, and as 32-bit
# Windows programs under Wine, then the web build (its simulator and unit
# tests under node, its page in a browser), then the end-to-end checks of both
# real games, with recordings made in each build played in the others.
# On the way it prints the benchmark's figures and runs a bounded soak and fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

"$top/scripts/install-deps.sh" test

# Wine gives the Windows programs' file names to this system in the locale's
# character set: without a UTF-8 one (a bare container sets no locale), the
# names beyond ASCII that the tests make cannot be made at all.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
fi

step() { printf '\n=== %s\n' "$*"; }

# Every test tool is required here: a missing one stops the configure step,
# naming its package, where a player's build would leave its tests out.
strict=-DMAZE_REQUIRE_TEST_TOOLS=ON

step "native build and tests"
cmake --preset linux "$strict" >/dev/null
cmake --build --preset linux
ctest --preset linux

step "the game as a player builds it: no test tools, BUILD_TESTING=OFF, started on Xvfb"
tests/game_alone/run.sh

step "benchmark: figures, not a test (docs/performance.md)"
(cd build/linux && ./maze-bench)

step "native tests under AddressSanitizer and UBSan"
cmake --preset linux "$strict" -B build/asan -DMAZE_SANITIZE=ON >/dev/null
cmake --build build/asan -j2
ctest --test-dir build/asan --output-on-failure -j2

step "soak: random play under the sanitizers, every frame checked"
rm -rf build/asan/soak-work && mkdir -p build/asan/soak-work && cp -r Data build/asan/soak-work/
(cd build/asan/soak-work && ../maze-soak 100000)

step "fuzz: the bitmap decoder, then a demo's text played, each for a short while (tools/fuzz/run.sh)"
# One line of figures a target, and a failing target's report, which fails
# the step; the crashing input is kept in build/fuzz/NAME/.
tools/fuzz/run.sh 25 bmp script

step "32-bit Windows build and tests under Wine"
# One Wine prefix per clone, made once and before the tests, which would
# otherwise race to create it; window tests need an X server. One Wine server
# for all the tests (-p): one that exits between two tests can refuse the
# next test's program as it connects ("recvmsg: Connection reset by peer").
# Its services are started at once, away from any test: started by a test,
# they would hold its output open for as long as the server lives.
export WINEPREFIX="$top/build/wine-prefix" WINEDEBUG=-all WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
cmake --preset windows "$strict" >/dev/null
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'wineboot --init >/dev/null 2>&1 && wineserver --wait && wineserver -p && wineboot >/dev/null 2>&1
             status=0; ctest --preset windows || status=$?
             wineserver -k 2>/dev/null || true; exit $status'

step "release packages"
# Before the end-to-end run, which unpacks and starts them.
cmake --build --preset linux --target package
cmake --build --preset windows --target package

step "web: maze-sim and the unit tests under node, the page in headless Chromium"
cmake --preset web "$strict" >/dev/null
cmake --build --preset web
ctest --preset web
# Debian's python3, which has python3-selenium.
/usr/bin/python3 tests/web/browser_test.py build/web

step "end-to-end: both games on a virtual X server, and recordings played across all three builds"
/usr/bin/python3 tests/e2e/run.py build/linux/maze build/windows/maze.exe build/web
