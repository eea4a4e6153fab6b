#!/usr/bin/env bash
# Fails, listing the differences, when a C++ file of the project is not
# formatted as the project's .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "PASS: every C++ file is formatted"
