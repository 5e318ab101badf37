#!/usr/bin/env bash
# Installs what is missing, builds, and starts Brenvik in the directory this is called from,
# which is where the lists are kept.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DBRENVIK_BUILD_TESTS=OFF
exec "${BRENVIK_BUILD_DIR:-$root/build}/app/brenvik"
