#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Zenuvio and runs every test:
# the unit and window tests (headless), the smoke and end-to-end tests under
# Xvfb, after a short fuzzing run of the problem file readers; then the
# Windows leg, when the cross Qt is cached.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/run-fuzz.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

# The Windows leg: cross-built, packed and tried under Wine. Its cross Qt
# takes about 35 minutes on 2 cores to build, too long for a fresh CI machine
# beside the rest; it runs once "scripts/build-windows.sh qt" has filled the
# cache (ZENUVIO_WIN_CACHE, /var/cache/zenuvio-windows by default).
cache=${ZENUVIO_WIN_CACHE:-/var/cache/zenuvio-windows}
if [[ -f $cache/qt-6.4.2-mingw64/.built ]]; then
    started=$SECONDS
    scripts/build-windows.sh all
    scripts/build-windows.sh test
    echo "Windows leg: $((SECONDS - started)) s"
else
    echo "Windows leg NOT RUN: no cross Qt in $cache (build it once with" \
        "'scripts/build-windows.sh qt', about 35 minutes on 2 cores)."
fi
