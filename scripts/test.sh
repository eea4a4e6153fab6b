#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Zenuvio and runs every test:
# the unit and window tests (headless), the smoke and end-to-end tests under
# Xvfb, after a short fuzzing run of the problem file readers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/run-fuzz.sh
cd build && ctest --output-on-failure -j"$(nproc)"
