#!/usr/bin/env bash
# The skinned window as a person sees it, saved as a screenshot: the caption bar drawn from the
# skin's dark glass with its white caption, Chinese captions and items rendered.
source "$(dirname "$0")/lib.sh"

start_display
dir="$WORK/lists"
mkdir "$dir"
printf '买牛奶\r\n给妈妈打电话 call mum\r\n写周报 weekly report\r\n预订火车票\r\n' >"$dir/daiban.txt"
printf '交水电费\r\nrenew the library books\r\n' >"$dir/wancheng.txt"
start_app "$dir"
type_text "整理书桌"
click_client 100 87          # the second pending row
point_client 530 33          # the pointer over the Add button
shot="${E2E_ARTIFACTS:-$WORK}/screenshot.png"
import -window "$WINDOW" "$shot"
[ "$(identify -format '%wx%h' "$shot")" = 624x546 ] || fail "screenshot size"

pixel() { convert "$shot" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$1+$2" info:; }
# The caption bar's glass is dark blue.
IFS=, read -r r g b <<<"$(pixel 300 20)"
[ "$b" -gt "$r" ] && [ "$b" -lt 160 ] || fail "caption bar is $r,$g,$b"
# The caption text is white: some pixel in its strip is nearly so.
white=$(convert "$shot" -crop 200x20+30+4 -threshold 90% -format '%[fx:mean]' info:)
awk -v m="$white" 'BEGIN { exit !(m > 0.02) }' || fail "no white caption text"
xdotool key alt+F4
rc=$(wait_exit)
[ "$rc" = 0 ] || fail "exit code $rc"
echo "PASS: $shot"
