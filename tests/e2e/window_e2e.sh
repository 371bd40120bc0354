#!/usr/bin/env bash
# The real program on a private X server: the window's frame and colours on
# the screen, and a real key press that turns the snake.
#   window_e2e.sh PATH_TO_COILRUN
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  local status=$?
  set +e
  for pid in $game_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Xvfb picks a free display itself and names it once it accepts connections,
# so tests running side by side never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The X server above, whatever desktop the test is started from: on a Wayland
# session Qt would otherwise open the window there, and a scale factor would
# change its size.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
# The game with its sounds, played on SDL's silent driver: no sound card needed.
export SDL_AUDIODRIVER=dummy

mkdir "$work/data"
"$program" --data-dir "$work/data" >"$work/game.log" 2>&1 &
game_pid=$!

# The first visible window whose title matches, waiting for it to show.
visible_window() {
  local found=""
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [[ -n "$found" ]] && break
    sleep 0.1
  done
  echo "$found"
}

window=$(visible_window '^coilrun$')
[[ -n "$window" ]] || fail "no coilrun window: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ "$WIDTH" == 512 && "$HEIGHT" == 356 ]] || fail "client area ${WIDTH}x${HEIGHT}"
xdotool windowfocus --sync "$window"

# The field's pixels of cell rows first..last, screen coordinates.
field_rows() {
  local first=$1 last=$2
  echo "500x$((10 * (last - first + 1)))+$((X + 6))+$((Y + 6 + 10 * first))"
}
white_pixels() {
  convert "$work/shot.png" -crop "$1" +repage -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}
pixel() {
  convert "$work/shot.png" -format "%[pixel:p{$((X + $1)),$((Y + $2))}]" info:
}
shoot() { import -window root "$work/shot.png"; }
has_more_white() { [[ "$1" -gt "$2" ]]; }

# F2 offers the new game dialog, whose Start has the focus; its choices at
# first start a game of one player on built-in level 1: player 1's white
# snake starts at (9, 1) heading right and runs along row 1. Below it the
# only white is the digit of the target, far less than one snake cell.
xdotool key F2
dialog=$(visible_window '^New game$')
[[ -n "$dialog" ]] || fail "F2 showed no new game dialog"
xdotool windowfocus --sync "$dialog"
xdotool key Return
# Without a window manager nobody hands the focus back.
xdotool windowfocus --sync "$window"
for _ in $(seq 50); do
  shoot
  has_more_white "$(white_pixels "$(field_rows 0 2)")" 200 && break
  sleep 0.1
done
has_more_white "$(white_pixels "$(field_rows 0 2)")" 200 || fail "no snake in row 1"
has_more_white "$(white_pixels "$(field_rows 3 29)")" 60 && fail "snake below row 2 before any key"

[[ "$(pixel 4 4)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (4, 4) is $(pixel 4 4)"
[[ "$(pixel 5 5)" == "srgb(0,255,0)" ]] || fail "BackColor at (5, 5) is $(pixel 5 5)"
[[ "$(pixel 507 307)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (507, 307) is $(pixel 507 307)"
[[ "$(pixel 4 312)" == "srgb(0,0,0)" ]] || fail "ReportShape outline at (4, 312) is $(pixel 4 312)"
[[ "$(pixel 5 313)" == "srgb(255,0,0)" ]] || fail "ReportColor at (5, 313) is $(pixel 5 313)"

xdotool key Down
for _ in $(seq 50); do
  shoot
  has_more_white "$(white_pixels "$(field_rows 3 29)")" 200 && break
  sleep 0.1
done
has_more_white "$(white_pixels "$(field_rows 3 29)")" 200 || fail "the Down key did not turn the snake"
echo "PASS"
