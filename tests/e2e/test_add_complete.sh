#!/usr/bin/env bash
# A person adds a to-do item with Chinese text, completes it through the pending list's context
# menu and closes the window.
source "$(dirname "$0")/lib.sh"

start_display
mkdir "$WORK/lists"
start_app "$WORK/lists"

geometry=$(window_geometry)
[ "$geometry" = "624x546+192+107" ] || fail "window geometry is $geometry"

type_text "买牛奶 buy milk"
click_client 552 32           # 添加
click_client 100 68           # the first pending row
xdotool click 3               # its context menu, at the pointer
sleep 0.4
xdotool mousemove_relative 40 12 click 1   # 设置为完成事项
sleep 0.4
xdotool key alt+F4

rc=$(wait_exit)
[ "$rc" = 0 ] || fail "exit code $rc"
echo "PASS"
