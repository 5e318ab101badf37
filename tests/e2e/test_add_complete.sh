#!/usr/bin/env bash
# A person adds a to-do item with Chinese text, completes it through the pending list's context
# menu and closes the window.
source "$(dirname "$0")/lib.sh"

start_display
mkdir "$WORK/lists"
: >"$WORK/lists/daiban.txt"
: >"$WORK/lists/wancheng.txt"
start_app "$WORK/lists"

geometry=$(window_geometry)
[ "$geometry" = "624x546+192+107" ] || fail "window geometry is $geometry"

type_text "买牛奶 buy milk"
click_client 552 32           # 添加
click_client 100 68           # the first pending row
xdotool click 3               # its context menu, at the pointer
wait_popup
xdotool mousemove_relative 40 12 click 1   # 设置为完成事项
sleep 0.4
xdotool key alt+F4

rc=$(wait_exit)
[ "$rc" = 0 ] || fail "exit code $rc"
[ "$(od -An -c "$WORK/lists/wancheng.txt" | tr -s ' ')" = "$(printf '买牛奶 buy milk\r\n' | od -An -c | tr -s ' ')" ] ||
  fail "wancheng.txt holds: $(od -c "$WORK/lists/wancheng.txt")"
[ -f "$WORK/lists/daiban.txt" ] && [ ! -s "$WORK/lists/daiban.txt" ] || fail "daiban.txt is not empty"
[ "$(ls -A "$WORK/lists" | wc -l)" = 2 ] || fail "other files left: $(ls -A "$WORK/lists")"
echo "PASS"
