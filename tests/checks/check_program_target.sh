#!/usr/bin/env bash
# The target zenuvio, which scripts/run.sh builds alone, brings the files the
# program reads beside itself (the pictures, the help file, the examples) and
# none of the tests or the benchmark.
#   check_program_target.sh <source folder>
set -euo pipefail
source=$1
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# Every command building zenuvio takes, whatever is up to date.
plan=$(ninja -C "$build" -t commands zenuvio)
status=0
for wanted in bin/Clicca.gif bin/Vuoto.gif bin/Aiuto.HLP bin/examples/Rombo.znv \
    bin/examples/Rombo.gif "-o bin/zenuvio"; do
    if ! grep -qF -- "$wanted" <<<"$plan"; then
        echo "FAIL: building zenuvio does not include: $wanted"
        status=1
    fi
done
if grep -E "tst_|bench_|/tests/" <<<"$plan"; then
    echo "FAIL: building zenuvio builds tests or the benchmark (above)"
    status=1
fi
[ $status -eq 0 ] && echo "PASS: the target zenuvio builds the program and its files, nothing else"
exit $status
