#!/usr/bin/env bash
# A read-only pending list file keeps the window open at close and leaves the completed list
# file untouched; once it is writable again, the next close writes both and the program ends.
source "$(dirname "$0")/lib.sh"

start_display
dir="$WORK/lists"
mkdir "$dir"
printf 'one\ntwo\n' >"$dir/daiban.txt"
printf 'done\r\n' >"$dir/wancheng.txt"
chmod 0444 "$dir/daiban.txt"
touch -d '2001-01-01 00:00:00' "$dir/wancheng.txt"
before=$(stat -c '%Y %s' "$dir/wancheng.txt")

start_app "$dir"
xdotool key alt+F4
text=$(box_text)
expected="Cannot create file \"$dir/daiban.txt\". Permission denied."
[ "$text" = "$expected" ] || fail "the box says '$text', not '$expected'"
box_ok
[ -n "$(find_window main)" ] || fail "the window closed"
[ "$(stat -c '%Y %s' "$dir/wancheng.txt")" = "$before" ] || fail "wancheng.txt was written"
[ "$(cat "$dir/daiban.txt")" = "$(printf 'one\ntwo')" ] || fail "daiban.txt changed"

chmod 0644 "$dir/daiban.txt"
xdotool windowfocus --sync "$WINDOW" key alt+F4
rc=$(wait_exit)
[ "$rc" = 0 ] || fail "exit code $rc"
[ "$(od -c "$dir/daiban.txt" | head -n1)" = "$(printf 'one\r\ntwo\r\n' | od -c | head -n1)" ] ||
  fail "daiban.txt holds: $(od -c "$dir/daiban.txt")"
[ "$(stat -c '%Y' "$dir/wancheng.txt")" != "${before%% *}" ] || fail "wancheng.txt was not written"
[ "$(stat -c '%a' "$dir/daiban.txt")" = 644 ] || fail "daiban.txt lost its permissions"
echo "PASS"
