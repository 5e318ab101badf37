#!/usr/bin/env bash
# The skinned frame under a real X server without a window manager: moving by the caption bar,
# maximizing and restoring by double clicks, rolling up and down, resizing from a corner down to
# the skin's minimum.
source "$(dirname "$0")/lib.sh"

start_display
dir="$WORK/lists"
mkdir "$dir"
: >"$dir/daiban.txt"
: >"$dir/wancheng.txt"
start_app "$dir"

expect_geometry() {
  local want=$1 what=$2 now=""
  for _ in $(seq 30); do
    now=$(window_geometry)
    [ "$now" = "$want" ] && return
    sleep 0.1
  done
  fail "$what: geometry $now, not $want"
}

[ "$(xdotool getwindowname "$WINDOW")" = Brenvik ] || fail "window title"

# Drag the caption bar by (50, 30).
xdotool mousemove 312 119 mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((312 + step * 10)) $((119 + step * 6)); sleep 0.05; done
xdotool mouseup 1
expect_geometry "624x546+242+137" "after dragging the caption bar"

# A double click on the caption bar maximizes to the whole screen (no panels here) and back.
xdotool mousemove 362 149 click --repeat 2 --delay 80 1
expect_geometry "1280x1024+0+0" "maximized"
xdotool mousemove 300 12 click --repeat 2 --delay 80 1
expect_geometry "624x546+242+137" "restored"

# The roll-up button leaves the caption bar and the bottom border; again brings the height back.
xdotool mousemove $((242 + 528)) $((137 + 14)) click 1
expect_geometry "624x34+242+137" "rolled up"
xdotool click 1
expect_geometry "624x546+242+137" "rolled down"

# Dragging the bottom-right corner far inwards stops at 200 x 34.
xdotool mousemove $((242 + 622)) $((137 + 544)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((864 - step * 150)) $((681 - step * 150)); sleep 0.05; done
xdotool mouseup 1
expect_geometry "200x34+242+137" "after shrinking from the corner"

xdotool key alt+F4
rc=$(wait_exit)
[ "$rc" = 0 ] || fail "exit code $rc"
echo PASS
