# Helpers for driving the real program under Xvfb as a person would, with xdotool.
# Source it; set BRENVIK to the program's path first.
set -euo pipefail

: "${BRENVIK:?the program to test}"
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$WORK/failure.png" 2>/dev/null &&
    cp "$WORK/failure.png" "${E2E_ARTIFACTS:-/tmp}/brenvik-e2e-failure.png" 2>/dev/null || true; fi
  exit 1
}

# A display of our own, whatever number is free.
start_display() {
  local fifo="$WORK/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fifo" ] && break
    sleep 0.1
  done
  [ -s "$fifo" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fifo")"
}

# The program's visible windows of a size: "main" for the 624x546 main window, "box" for any
# other (the error message box).
find_window() {
  local kind=$1 w size
  for w in $(xdotool search --onlyvisible --name '^Brenvik$' 2>/dev/null); do
    size=$(xdotool getwindowgeometry "$w" 2>/dev/null | awk '/Geometry:/ {print $2}')
    if [ "$kind" = main ] && [ "$size" = 624x546 ]; then echo "$w"; return; fi
    if [ "$kind" = box ] && [ -n "$size" ] && [ "$size" != 624x546 ]; then echo "$w"; return; fi
  done
}

wait_window() {
  local kind=$1 w=""
  for _ in $(seq 100); do
    w=$(find_window "$kind")
    [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || fail "no $kind window appeared"
  sleep 0.3
  echo "$w"
}

# Starts the program in directory $1 (with the environment given after it); with "box" as $2
# it waits for an error message box instead of the main window.
start_app() {
  local dir=$1 first=${2:-main}
  (cd "$dir" && export PWD="$dir" && exec "$BRENVIK" >"$WORK/app.log" 2>&1) &
  APP_PID=$!
  if [ "$first" = box ]; then BOX=$(wait_window box); else WINDOW=$(wait_window main); fi
  [ "$first" = box ] || wait_focus "$WINDOW"
}

# Waits until the window holds the keyboard focus, as the program asks for at its start.
wait_focus() {
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return
    sleep 0.1
  done
  fail "window $1 never got the keyboard focus"
}

# Waits until the program shows a pop-up menu over its window.
wait_popup() {
  for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)" -ge 2 ] && { sleep 0.2; return; }
    sleep 0.1
  done
  fail "no menu opened"
}

# The text of the message box now shown, copied with Ctrl+C as from any system message box.
box_text() {
  local box
  box=$(wait_window box)
  xdotool windowfocus --sync "$box" key ctrl+c
  sleep 0.3
  xclip -o -selection clipboard | sed -n '4p'
}

# Confirms the message box now shown.
box_ok() {
  xdotool key Return
  sleep 0.4
}

# Waits for the program to end; prints its exit code.
wait_exit() {
  local rc=0
  for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
  wait "$APP_PID" || rc=$?
  APP_PID=""
  echo "$rc"
}

# The window's outer geometry as WIDTHxHEIGHT+X+Y.
window_geometry() {
  xwininfo -id "$WINDOW" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF}
    END {printf "%sx%s+%s+%s\n", w, h, x, y}'
}

# Moves the pointer to a point of the client area, which starts 7 right and 27 below the
# window's outer corner at (192, 107).
point_client() { xdotool mousemove $((192 + 7 + $1)) $((107 + 27 + $2)); sleep 0.15; }
click_client() { point_client "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }

type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }
