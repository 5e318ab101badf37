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

# Starts the program in directory $1 and waits for its window.
start_app() {
  local dir=$1
  (cd "$dir" && exec "$BRENVIK" >"$WORK/app.log" 2>&1) &
  APP_PID=$!
  WINDOW=""
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --onlyvisible --name '^Brenvik$' 2>/dev/null | head -n1 || true)
    [ -n "$WINDOW" ] && break
    sleep 0.1
  done
  [ -n "$WINDOW" ] || fail "the window did not appear"
  sleep 0.3
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
