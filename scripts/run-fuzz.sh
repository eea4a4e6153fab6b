#!/usr/bin/env bash
# Fuzzes the problem file readers with libFuzzer for a bounded time.
#   scripts/run-fuzz.sh                     runs for 20 seconds
#   ZENUVIO_FUZZ_SECONDS=300 scripts/run-fuzz.sh
# Builds in build-fuzz with clang, starting from the seeds in tests/fuzz/corpus.
# New inputs found go to build-fuzz/fuzz-corpus; an input that makes the target
# fail is saved in build-fuzz/fuzz-artifacts and the script exits non-zero.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds="${ZENUVIO_FUZZ_SECONDS:-20}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENUVIO_FUZZ=ON -DZENUVIO_BUILD_TESTS=ON -DZENUVIO_BUILD_BENCH=OFF
cmake --build "$build" -j2 --target problemfile_fuzz

mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
# Lines may be up to 64 KiB long; inputs twice as long reach the long-line
# refusal both as bytes and, taken as UTF-16, as texts given to the writer.
"$build/bin/problemfile_fuzz" \
    -max_total_time="$seconds" -max_len=140000 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/" \
    "$build/fuzz-corpus" "$root/tests/fuzz/corpus"
