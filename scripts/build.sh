#!/usr/bin/env bash
# Configures and builds in Release (build folder: build/): everything, or only
# the targets named, e.g. scripts/build.sh zenuvio.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build build -j"$(nproc)" "${targets[@]}"
