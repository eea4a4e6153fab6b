#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Zenuvio and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only the program and the files it reads beside itself: the tests and the
# benchmark are built by scripts/test.sh.
scripts/build.sh zenuvio
exec build/bin/zenuvio "$@"
