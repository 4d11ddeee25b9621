#!/usr/bin/env bash
# run.sh -- builds the bitmap decoder's libFuzzer target with clang and runs it.
#
#   tools/fuzz/run.sh [SECONDS]      (default 180; FUZZ_OUT picks the work folder)
#
# Needs clang++ and its libFuzzer runtime (Debian: clang, libclang-rt-dev).
# The committed seeds in tools/fuzz/corpus/ are only read; what the fuzzer
# finds goes to $FUZZ_OUT/corpus, and a crashing input to $FUZZ_OUT/crash-*.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${FUZZ_OUT:-$root/build/fuzz}
seconds=${1:-180}
mkdir -p "$out/corpus"

if ! command -v clang++ >/dev/null; then
    echo "run.sh: clang++ not found (apt-get install clang libclang-rt-14-dev)" >&2
    exit 2
fi

clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -fno-omit-frame-pointer -I"$root" -isystem /usr/include/stb \
    "$root/tools/fuzz/fuzz_bmp.cpp" "$root/render/texture_image.cpp" -o "$out/fuzz_bmp"

cd "$out"
exec ./fuzz_bmp -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -print_final_stats=1 "$out/corpus" "$root/tools/fuzz/corpus"
