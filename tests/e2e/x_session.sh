# Sourced by the end-to-end tests: the real program on a private X server,
# found by its window, with helpers to press keys into it and read its
# pixels. Sets program, work, game_pid, window, X and Y (the client area's
# top left on the screen) and menu_bar.
#   source x_session.sh PATH_TO_COILRUN
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
# so tests running side by side never share one. E2E_SCREEN may name
# another screen size.
Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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
# The menu bar takes the top of the window; the client area lies below it.
menu_bar=$((HEIGHT - 356))
[[ "$WIDTH" == 512 && "$menu_bar" -ge 10 && "$menu_bar" -le 60 ]] || fail "window ${WIDTH}x${HEIGHT}"
Y=$((Y + menu_bar))
xdotool windowfocus --sync "$window"

# The field's pixels of cell rows first..last, screen coordinates.
field_rows() {
  local first=$1 last=$2
  echo "500x$((10 * (last - first + 1)))+$((X + 6))+$((Y + 6 + 10 * first))"
}
# How many pixels of a part of the screenshot have the colour.
pixels_of() {
  convert "$work/shot.png" -crop "$2" +repage -fill white -opaque "$1" -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:
}
white_pixels() { pixels_of white "$1"; }
pixel() {
  convert "$work/shot.png" -format "%[pixel:p{$((X + $1)),$((Y + $2))}]" info:
}
shoot() { import -window root "$work/shot.png"; }
has_more_white() { [[ "$1" -gt "$2" ]]; }

# F2 and the new game dialog's Start, after the access key of the players'
# button given, if any: a game on built-in level 1, player 1's white snake
# starting at (9, 1) heading right along row 1.
start_game() {
  xdotool key F2
  local dialog
  dialog=$(visible_window '^New game$')
  [[ -n "$dialog" ]] || fail "F2 showed no new game dialog"
  xdotool windowfocus --sync "$dialog"
  if [[ $# -gt 0 ]]; then
    # An access key clicks its button a tenth of a second later, as a mouse
    # click would show.
    xdotool key "$1"
    sleep 0.3
  fi
  xdotool key Return
  # Without a window manager nobody hands the focus back.
  xdotool windowfocus --sync "$window"
  for _ in $(seq 50); do
    shoot
    has_more_white "$(white_pixels "$(field_rows 0 2)")" 200 && break
    sleep 0.1
  done
  has_more_white "$(white_pixels "$(field_rows 0 2)")" 200 || fail "no snake in row 1"
}

# Waits for the program to end after it was told to, and for its status.
wait_for_exit() {
  for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the program still runs after Game > Exit"
  wait "$game_pid" || fail "the program ended with status $?: $(tail -n 40 "$work/game.log")"
  game_pid=""
}
