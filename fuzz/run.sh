#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for SECONDS (default 30).
# A crash, a sanitizer report or an input slower than its limit fails the
# run; the input that did it is kept in fuzz-out/.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-30}
build_dir=build-fuzz
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    CXX=clang++ CC=clang cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTESSARO7_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON > /dev/null
fi
cmake --build "$build_dir" -j "$(nproc)" --target fuzz_answer fuzz_parameter_file fuzz_game_file fuzz_click fuzz_draws
mkdir -p fuzz-out
for target in fuzz_answer fuzz_parameter_file fuzz_game_file fuzz_click fuzz_draws; do
    corpus=fuzz-out/$target-corpus
    mkdir -p "$corpus"
    cp fuzz/seeds/$target/* "$corpus/" 2>/dev/null || true
    # A reader gets 2 s an input. A click's filters may reject most lines it
    # draws: the slowest (PowerBall 5/1, 22 numbers, 2 PowerBalls) takes 0.9 s
    # in a plain build and about 20 s under the sanitizers.
    limit=2
    [ "$target" = fuzz_click ] && limit=60
    echo "== $target for ${seconds}s"
    status=0
    (cd fuzz-out && "../$build_dir/fuzz/$target" -max_total_time="$seconds" -timeout="$limit" \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 "$target-corpus" > "$target.log" 2>&1) || status=$?
    grep -E '^stat::|^Done|ERROR|SUMMARY' "fuzz-out/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "$target failed (status $status); see fuzz-out/$target.log"
        failed=1
    fi
done
exit "${failed:-0}"
