# Sourced by the end-to-end tests: the real program on a private X server,
# found by its window, with helpers to press keys into it, read its pixels
# and wait for what it shows. Sets program, work, game_pid, window, X and Y
# (the client area's top left on the screen) and menu_bar.
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

# Seconds to wait for anything the program is to show or write. An idle
# machine needs a fraction of a second; a busy one may need several, and a
# fault still fails, only later.
patience=20

now_ms() {
  # Whatever the locale's decimal point.
  local microseconds=${EPOCHREALTIME//[!0-9]/}
  echo $((10#$microseconds / 1000))
}

# Runs the command until it succeeds, for at most SECONDS; fails if it
# never did.
#   wait_until SECONDS COMMAND [ARGUMENT...]
wait_until() {
  local deadline=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}

wait_for_file() { wait_until "${2:-$patience}" test -s "$1"; }

# Xvfb picks a free display itself and names it once it accepts connections,
# so tests running side by side never share one. By default an X server
# resets when its last client leaves, and refuses connections meanwhile: an
# xdotool that looks for the window and leaves before the program connects
# would be that client, and the program would find no display. E2E_SCREEN
# may name another screen size.
Xvfb -displayfd 3 -noreset -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for_file "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
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

# Windows. Each helper that finds one leaves it in found_window.
found_window=""
window_shown() {
  found_window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
  [[ -n "$found_window" ]]
}
window_gone() { ! window_shown "$1"; }
# A window of the program besides its main window: an open menu is one.
popup_shown() {
  found_window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$window" | head -n1 || true)
  [[ -n "$found_window" ]]
}
window_hidden() {
  local shown
  shown=$(xdotool search --onlyvisible --name "$2" 2>/dev/null || true)
  ! grep -qx "$1" <<<"$shown"
}
program_ended() { ! kill -0 "$game_pid" 2>/dev/null; }

# Prints the first visible window whose title matches, once there is one.
#   dialog=$(wait_for_window TITLE_PATTERN [SECONDS]) || fail ...
wait_for_window() {
  wait_until "${2:-$patience}" window_shown "$1" || return 1
  echo "$found_window"
}
wait_for_menu() {
  wait_until "$patience" popup_shown || return 1
  echo "$found_window"
}
# Without a window manager nobody moves the focus, least of all back to the
# main window when a dialog closes.
focus() {
  timeout "$patience" xdotool windowfocus --sync "$1" || fail "window $1 took no focus"
}

main_window_or_end() { window_shown '^coilrun$' || program_ended; }
wait_until "$patience" main_window_or_end || fail "no coilrun window: $(cat "$work/game.log")"
program_ended && fail "the program ended at start on $DISPLAY: $(cat "$work/game.log") $(cat "$work/xvfb.log")"
window=$found_window
eval "$(xdotool getwindowgeometry --shell "$window")"
# The menu bar takes the top of the window; the client area lies below it.
menu_bar=$((HEIGHT - 356))
[[ "$WIDTH" == 512 && "$menu_bar" -ge 10 && "$menu_bar" -le 60 ]] || fail "window ${WIDTH}x${HEIGHT}"
Y=$((Y + menu_bar))
focus "$window"

# Pixels, read from a screenshot that shoot takes into $work/shot.png.
shoot() { import -window root "$work/shot.png"; }
# A part of the field, WIDTHxHEIGHT from the field's LEFT,TOP, in screen
# coordinates.
field_area() { echo "$1x$2+$((X + 6 + $3))+$((Y + 6 + $4))"; }
# The field's pixels of cell rows first..last.
field_rows() { field_area 500 $((10 * ($2 - $1 + 1))) 0 $((10 * $1)); }
# How many pixels of a part of the screenshot have the colour.
pixels_of() {
  convert "$work/shot.png" -crop "$2" +repage -fill white -opaque "$1" -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:
}
white_pixels() { pixels_of white "$1"; }
# The colour of a pixel of the client area, as srgb(R,G,B).
pixel() {
  convert "$work/shot.png" -format "%[pixel:p{$((X + $1)),$((Y + $2))}]" info:
}
has_more_white() { [[ "$1" -gt "$2" ]]; }
more_of_colour() { [[ "$(pixels_of "$1" "$2")" -gt "$3" ]]; }
pixel_is() { [[ "$(pixel "$1" "$2")" == "$3" ]]; }
# Whether two of the pictures in $work differ in any pixel.
differ() {
  [[ "$(compare -metric AE "$work/$1" "$work/$2" null: 2>&1)" != 0 ]]
}
# The title screen: the logo's letter l is blue, where a game's field never
# is. logo_in_field looks in a picture of the field alone, in $work.
logo_in_field() {
  [[ "$(convert "$work/$1" -crop 230x110+12+60 +repage \
    -fx 'b > g + 0.2 && b > r + 0.2' -format '%[fx:round(mean*w*h)]' info:)" -gt 500 ]]
}
title_shown() { convert "$work/shot.png" -crop "$(field_area 500 300 0 0)" +repage "$work/field.png" && logo_in_field field.png; }

# Shoots the screen until the command, run on the new shot, succeeds.
#   wait_for_screen COMMAND [ARGUMENT...]
shot_shows() { shoot && "$@"; }
wait_for_screen() { wait_until "$patience" shot_shows "$@"; }
#   wait_for_pixel X Y COLOUR [SECONDS]
wait_for_pixel() { wait_until "${4:-$patience}" shot_shows pixel_is "$1" "$2" "$3"; }
# Until the screen differs from the picture $work/REFERENCE.
wait_for_change() { wait_for_screen differ "$1" shot.png; }

# F2 and the new game dialog's Start, after the access key of the players'
# button given, if any: a game on built-in level 1, player 1's white snake
# starting at (9, 1) heading right along row 1.
start_game() {
  xdotool key F2
  local dialog
  dialog=$(wait_for_window '^New game$') || fail "F2 showed no new game dialog"
  focus "$dialog"
  if [[ $# -gt 0 ]]; then
    # An access key clicks its button a tenth of a second later, as a mouse
    # click would show. Start by its access key is clicked as long after its
    # key, so after the players' button, however late the program reads the
    # two keys; Return would click it at once.
    xdotool key "$1" alt+s
  else
    xdotool key Return
  fi
  wait_until "$patience" window_hidden "$dialog" '^New game$' || fail "the new game dialog stayed open"
  focus "$window"
  wait_for_screen more_of_colour white "$(field_rows 0 2)" 200 || fail "no snake in row 1"
}

# Types the name into the high score table's name box and closes it.
answer_name_box() {
  focus "$1"
  xdotool type "$2"
  xdotool key Return
  wait_until "$patience" window_hidden "$1" '^High scores$' || fail "Return left the name box open"
}

# Waits for the program to end after it was told to, and for its status.
wait_for_exit() {
  wait_until "$patience" program_ended || fail "the program still runs after Game > Exit"
  wait "$game_pid" || fail "the program ended with status $?: $(tail -n 40 "$work/game.log")"
  game_pid=""
}
