#!/usr/bin/env bash
# cmake --install puts the program, its icon in every size of the hicolor theme and its
# desktop entry where a desktop finds them.
set -euo pipefail
build=${1:?the build directory}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$prefix/bin/brenvik" ] || fail "no program"
for size in 16 24 32 48 64 72 96 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/brenvik.png"
  [ "$(identify -format '%wx%h %[channels]' "$icon" 2>/dev/null)" = "${size}x${size} srgba" ] ||
    fail "icon $size: $(identify "$icon" 2>&1)"
done
entry="$prefix/share/applications/brenvik.desktop"
grep -qx 'Exec=brenvik' "$entry" && grep -qx 'Icon=brenvik' "$entry" || fail "desktop entry"
echo PASS
