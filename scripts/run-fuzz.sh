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

mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts" "$build/fuzz-seeds"
# Seeds beside the kept ones: a problem whose text is a line of 64 KiB, the
# longest the readers take, and one a character longer. libFuzzer would take
# many minutes to grow its inputs that long by itself.
for length in 65536 65537; do
    {
        head -c "$length" /dev/zero | tr '\0' a
        printf '\r\n'
        for _ in $(seq 25); do printf '\r\n'; done
    } >"$build/fuzz-seeds/line-$length.znv"
done
# Lines may be up to 64 KiB long; inputs twice as long reach the long-line
# refusal whether read as UTF-8 or as UTF-16.
# -len_control=0 lets every run use that whole length from the start.
log="$build/fuzz.log"
"$build/bin/problemfile_fuzz" \
    -max_total_time="$seconds" -max_len=140000 -len_control=0 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
    "$build/fuzz-corpus" "$root/tests/fuzz/corpus" "$build/fuzz-seeds" 2>&1 | tee "$log"
# The run began from inputs as long as the longest line.
longest=$(sed -n 's/.*seed corpus: files: [0-9]* min: [0-9]*b max: \([0-9]*\)b.*/\1/p' "$log")
if [ -z "$longest" ] || [ "$longest" -lt 65536 ]; then
    echo "run-fuzz.sh: the corpus holds no input of 64 KiB (longest: ${longest:-none})" >&2
    exit 1
fi
