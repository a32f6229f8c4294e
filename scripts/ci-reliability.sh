#!/usr/bin/env bash
# Reliability checks for CI: the whole test suite built with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer (preset "asan", build/asan), then each libFuzzer target
# (preset "fuzz", build/fuzz) for a bounded time from the seed corpus in fuzz/corpus (with the
# target's dictionary fuzz/TARGET.dict where there is one), then the
# soak: the benchmark suite's Soak runs (built in build/default, which the unit tests have
# already built, so CI compiles only the benchmarks), long drags with memory watched,
# which exit non-zero when memory grows or the document is left wrong (also `make soak`).
# FUZZ_SECONDS sets the time per target (default 60), FUZZ_SEED the seed (default 1),
# JOBS the build parallelism (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh reliability

fuzz_seconds=${FUZZ_SECONDS:-60}
# A fixed seed keeps CI repeatable; FUZZ_SEED=0 lets libFuzzer pick one.
fuzz_seed=${FUZZ_SEED:-1}
jobs=${JOBS:-2}

echo "== sanitizer build and the whole test suite under it"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan

echo "== fuzz targets, ${fuzz_seconds} s each"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
for target in session parsers; do
    # New inputs go to a scratch directory; the repository's seeds are only read.
    found=$(mktemp -d)
    log="build/fuzz/fuzz_${target}.log"
    dict=()
    [[ -f "fuzz/${target}.dict" ]] && dict=(-dict="fuzz/${target}.dict")
    if ! "build/fuzz/fuzz_${target}" "$found" "fuzz/corpus/${target}" "${dict[@]}" \
        -seed="$fuzz_seed" -max_total_time="$fuzz_seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$artifacts/${target}-" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_${target}: failed; the input is in $artifacts" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_${target}: ${runs:-?} inputs, clean"
    rm -rf "$found"
done

echo "== soak: long drags with memory watched"
cmake --preset default
cmake --build build/default -j "$jobs" --target quentarb_bench
build/default/quentarb_bench --benchmark_filter=Soak
