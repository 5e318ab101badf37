#!/usr/bin/env bash
# Configures and builds into build/ (or $BRENVIK_BUILD_DIR); extra arguments go to cmake.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BRENVIK_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
