#!/usr/bin/env bash
# Installs what is missing, builds with the tests, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DBRENVIK_BUILD_TESTS=ON -DBRENVIK_BUILD_BENCHMARKS=ON
cd "${BRENVIK_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)" "$@"
