#!/usr/bin/env bash
# run.sh -- builds the libFuzzer targets with clang and runs each for a while.
#
#   tools/fuzz/run.sh [SECONDS] [bmp|script ...]   (default 180 s each, both targets)
#
#   bmp     the bitmap decoder; seeds in tools/fuzz/corpus/
#   script  a demo's text checked as the games check it, then played on the
#           game step; seeds are the replays tests/sim/*.script (read where
#           they lie) and tools/fuzz/script_seeds/, words in script.dict
#
# Needs clang++ and its libFuzzer runtime (Debian: clang, libclang-rt-dev).
# FUZZ_OUT picks the work folder (default build/fuzz): the build in build/,
# and for each target NAME/corpus (what the fuzzer found; the committed seeds
# are only read), NAME/log.txt (the fuzzer's whole output) and any crashing
# input as NAME/crash-* (or leak-*, timeout-*, oom-*). Prints one line of
# figures per target, and a failing target's report; exits 1 if any failed.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${FUZZ_OUT:-$root/build/fuzz}
seconds=180
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(bmp script)
for target in "${targets[@]}"; do
    case $target in
        bmp | script) ;;
        *)
            echo "run.sh: unknown target '$target' (bmp or script)" >&2
            exit 2
            ;;
    esac
done

if ! command -v clang++ >/dev/null; then
    echo "run.sh: clang++ not found (apt-get install clang libclang-rt-14-dev)" >&2
    exit 2
fi

# A build folder of its own: every layer instrumented, so it cannot share the
# native or the sanitizer build's objects.
mkdir -p "$out"
if [ ! -f "$out/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$out/build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAZE_FUZZ=ON -DBUILD_TESTING=OFF >"$out/configure.log" ||
        { cat "$out/configure.log" >&2; exit 2; }
fi
nice cmake --build "$out/build" -j2 --target "${targets[@]/#/fuzz_}" >"$out/build.log" ||
    { tail -n 40 "$out/build.log" >&2; exit 2; }

# The report of a failed run, from its first line to the end, with only the
# game's frames of each stack.
report() {
    sed -n '/^fuzz_script: \|^==[0-9]*==\|runtime error\|ALARM\|out-of-memory/,$p' "$1" |
        awk -v root="$root/" '!/^ *#[0-9]+ 0x/ || index($0, root)' | head -n 60
}

# run_target NAME ARGS...: runs fuzz_NAME in its work folder, prints its figures.
run_target() {
    local name=$1 work=$out/$1 status=0 start done_line runs edges corpus
    shift
    mkdir -p "$work/corpus"
    # A folder in the place of the file the game appends to while space is
    # held: it would otherwise grow by every such demo of the run.
    rm -rf "$work/lista.txt"
    mkdir "$work/lista.txt"
    start=$SECONDS
    (cd "$work" && exec "$out/build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "$@") >"$work/log.txt" 2>&1 || status=$?
    done_line=$(grep -E '^#[0-9]+' "$work/log.txt" | tail -n 1 || true)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -n 1)
    edges=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
    corpus=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$done_line")
    echo "fuzz $name: ${runs:-?} runs in $((SECONDS - start)) s, ${edges:-?} edges, corpus ${corpus:-?}"
    if [ "$status" -ne 0 ]; then
        echo "fuzz $name: FAILED (exit $status); log $work/log.txt"
        report "$work/log.txt"
        ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* 2>/dev/null || true
        return 1
    fi
}

failed=0
for target in "${targets[@]}"; do
    case $target in
        bmp)
            run_target bmp -max_len=65536 "$out/bmp/corpus" "$root/tools/fuzz/corpus" || failed=1
            ;;
        script)
            # The replays as extra seeds, named one by one: their folder also
            # holds the expected outputs, which are no demos.
            seeds=$(printf '%s,' "$root"/tests/sim/*.script "$root"/tests/sim/refused/*.script)
            # Its work folder has no Data/: the game runs without textures.
            run_target script -max_len=16384 -dict="$root/tools/fuzz/script.dict" -seed_inputs="${seeds%,}" \
                "$out/script/corpus" "$root/tools/fuzz/script_seeds" || failed=1
            ;;
    esac
done
exit "$failed"
