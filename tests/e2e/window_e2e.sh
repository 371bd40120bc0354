#!/usr/bin/env bash
# The real program on a private X server: the window's frame and colours on
# the screen, a two-player game from the new game dialog, a real key press
# that turns a snake, pause, the Game menu following the game, Stop with the
# high score table, and an orderly exit that removes the sound files.
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
# The first start writes both files before anything reads them, and unpacks
# the sounds.
[[ -s "$work/data/settings.dat" && -s "$work/data/hscores.dat" ]] || fail "no settings.dat or hscores.dat at start"
sound_files=(001.wav 002.wav 003.wav 004.wav 005.wav 006.wav 999.mid)
for name in "${sound_files[@]}"; do
  [[ -s "$work/data/$name" ]] || fail "$name not unpacked at start: $(cat "$work/game.log")"
done
cp "$work/data/hscores.dat" "$work/first-hscores.dat"
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

# F2 offers the new game dialog; two players and Start begin a game on
# built-in level 1: player 1's white snake starts at (9, 1) heading right and
# runs along row 1, player 2's yellow one at (40, 28) heading left. Below
# row 2 the only white is the digit of the target, far less than one snake
# cell.
xdotool key F2
dialog=$(visible_window '^New game$')
[[ -n "$dialog" ]] || fail "F2 showed no new game dialog"
xdotool windowfocus --sync "$dialog"
# An access key clicks its button a tenth of a second later, as a mouse
# click would show.
xdotool key alt+t
sleep 0.3
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
has_more_white "$(pixels_of yellow "$(field_rows 27 29)")" 100 || fail "no second player's snake in row 28"

[[ "$(pixel 4 4)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (4, 4) is $(pixel 4 4)"
[[ "$(pixel 5 5)" == "srgb(0,255,0)" ]] || fail "BackColor at (5, 5) is $(pixel 5 5)"
[[ "$(pixel 507 307)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (507, 307) is $(pixel 507 307)"
[[ "$(pixel 4 312)" == "srgb(0,0,0)" ]] || fail "ReportShape outline at (4, 312) is $(pixel 4 312)"
[[ "$(pixel 5 313)" == "srgb(255,0,0)" ]] || fail "ReportColor at (5, 313) is $(pixel 5 313)"

# A real key turns the snake; P then pauses the game before the two snakes
# can meet: nothing moves any more.
xdotool key Down
for _ in $(seq 50); do
  shoot
  has_more_white "$(white_pixels "$(field_rows 3 29)")" 200 && break
  sleep 0.1
done
xdotool key p
has_more_white "$(white_pixels "$(field_rows 3 29)")" 200 || fail "the Down key did not turn the snake"
sleep 0.3
shoot
cp "$work/shot.png" "$work/paused.png"
sleep 0.5
shoot
[[ "$(compare -metric AE "$work/paused.png" "$work/shot.png" null: 2>&1)" == 0 ]] || fail "the snakes move after P"

# The Game menu is a window of its own while it is open; its height tells
# which items it shows: Pause and Stop during a game, New alone between games.
open_game_menu() {
  xdotool key alt+g
  for _ in $(seq 50); do
    menu=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$window" | head -n1 || true)
    [[ -n "$menu" ]] && break
    sleep 0.1
  done
  [[ -n "$menu" ]] || fail "Alt+G opened no menu"
  eval "$(xdotool getwindowgeometry --shell "$menu" | sed 's/^/MENU_/')"
}
open_game_menu
menu_in_game=$MENU_HEIGHT

# Game > Stop ends the game and offers both scores to the high score table:
# a score that ranks asks for the name (a snake may have eaten a target on
# its way), any other leaves the default table of the first start as it was.
xdotool key s
names_given=0
for player in 1 2; do
  name_box=""
  for _ in $(seq 10); do
    name_box=$(xdotool search --onlyvisible --name '^High scores$' 2>/dev/null | head -n1 || true)
    [[ -n "$name_box" ]] && break
    sleep 0.1
  done
  [[ -n "$name_box" ]] || break
  xdotool windowfocus --sync "$name_box"
  xdotool type "E2E$player"
  xdotool key Return
  names_given=$((names_given + 1))
  sleep 0.3
done
xdotool windowfocus --sync "$window"
if ((names_given > 0)); then
  grep -q E2E "$work/data/hscores.dat" || fail "the names given after Stop are not in hscores.dat"
else
  cmp -s "$work/first-hscores.dat" "$work/data/hscores.dat" || fail "hscores.dat changed without a score that ranks"
fi
[[ "$(stat -c %s "$work/data/hscores.dat")" == 200 ]] || fail "hscores.dat is not ten rows of 20 bytes"

# The menu then offers New instead of Pause and Stop.
open_game_menu
(( MENU_HEIGHT < menu_in_game )) || fail "Game menu after Stop is ${MENU_HEIGHT} high, during the game ${menu_in_game}"

# Game > Exit closes the window and ends the program, saving the settings.
xdotool key e
for _ in $(seq 50); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the program still runs after Game > Exit"
wait "$game_pid" || fail "the program ended with status $?"
game_pid=""
[[ -s "$work/data/settings.dat" ]] || fail "no settings.dat after Exit"
for name in "${sound_files[@]}"; do
  [[ -e "$work/data/$name" ]] && fail "$name left behind after Exit"
done
echo "PASS"
