#!/usr/bin/env bash
# A first start in a directory without list files: the open failure is shown with the full path
# and the system's text, in the user's language; the window then opens, and closing it leaves
# two empty list files.
source "$(dirname "$0")/lib.sh"

start_display
run() {
  local locale=$1 expected_text=$2 dir="$WORK/$1"
  mkdir "$dir"
  LC_ALL=$locale start_app "$dir" box
  text=$(box_text)
  expected="Cannot open file \"$dir/daiban.txt\". $expected_text."
  [ "$text" = "$expected" ] || fail "$locale: the box says '$text', not '$expected'"
  [ -z "$(find_window main)" ] || fail "$locale: the window was shown before the box was closed"
  box_ok
  WINDOW=$(wait_window main)
  [ -z "$(find_window box)" ] || fail "$locale: a second box on a first start"
  xdotool key alt+F4
  rc=$(wait_exit)
  [ "$rc" = 0 ] || fail "$locale: exit code $rc"
  for f in daiban.txt wancheng.txt; do
    [ -f "$dir/$f" ] && [ ! -s "$dir/$f" ] || fail "$locale: $f is not a zero-byte file"
  done
}
run C.UTF-8 "No such file or directory"
run zh_CN.UTF-8 "没有那个文件或目录"
echo "PASS"
