#!/usr/bin/env bash
# Keys of one's own, on a private X server: player 1's keys set on Options >
# Keys from the keyboard alone, a game steered with them while the old
# cursor key does nothing, the game pausing when the window loses the focus,
# and the same keys steering again after the program starts anew.
#   keys_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

# A dialog by its title, waited for and focused.
focus_dialog() {
  dialog=$(visible_window "$1")
  [[ -n "$dialog" ]] || fail "no dialog \"$1\""
  xdotool windowfocus --sync "$dialog"
}
close_dialog() {
  xdotool key alt+c
  for _ in $(seq 20); do
    [[ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]] && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$window"
}
# Waits, up to five seconds, for a command to succeed on a fresh screenshot.
wait_for() {
  for _ in $(seq 50); do
    shoot
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# Player 1's white snake below the row it starts in; the target's white
# digit is far fewer pixels than one snake cell.
snake_went_down() { [[ "$(white_pixels "$(field_rows 3 29)")" -gt 100 ]]; }
snake_passed_column_20() { [[ "$(white_pixels "200x30+$((X + 6 + 200))+$((Y + 6))")" -gt 100 ]]; }
# The white inside of the pause box, centred on (250, 130) of the field.
pause_box_shows() { [[ "$(white_pixels "140x24+$((X + 6 + 180))+$((Y + 6 + 118))")" -gt 1500 ]]; }

# The slowest speed on the wrapping field, so that no wall ends the game
# before the checks are done, and no name asked for when a snake that ate a
# target scores at the exit.
xdotool key alt+o
sleep 0.3
xdotool key n
focus_dialog '^Options$'
xdotool key alt+r
sleep 0.3
close_dialog '^Options$'
xdotool key alt+o
sleep 0.3
xdotool key o
focus_dialog '^Options$'
# Wrap, on at first, twice by its access key: it stays on and takes the
# focus, from which the slider is four Tabs on.
xdotool key alt+w
sleep 0.3
xdotool key alt+w
sleep 0.3
xdotool key Tab Tab Tab Tab Home
sleep 0.3
close_dialog '^Options$'

# Options > Keys opens with player 1's Left field focused: Space, the key,
# Tab to the next field. Left F, Up T, Right H, Down G.
xdotool key alt+o
sleep 0.3
xdotool key k
focus_dialog '^Options$'
for key in f t h g; do
  xdotool key space
  sleep 0.2
  xdotool key "$key"
  sleep 0.2
  [[ "$key" == g ]] || xdotool key Tab
done
close_dialog '^Options$'

start_game
xdotool key Down
wait_for snake_passed_column_20 || fail "the snake did not run on along its row"
snake_went_down && fail "the cursor key still steers player 1"
xdotool key g
wait_for snake_went_down || fail "G did not steer player 1 down"

# The focus goes to the bare screen: the game pauses.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
wait_for pause_box_shows || fail "losing the focus did not pause the game"
xdotool windowfocus --sync "$window"

xdotool key alt+g
sleep 0.3
xdotool key e
wait_for_exit
grep -q '^Player1Down=42$' "$work/data/coilrun.ini" || fail "coilrun.ini: $(cat "$work/data/coilrun.ini")"

# The program again, on the same files: G still steers player 1.
"$program" --data-dir "$work/data" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(visible_window '^coilrun$')
[[ -n "$window" ]] || fail "no coilrun window the second time: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
Y=$((Y + menu_bar))
xdotool windowfocus --sync "$window"
start_game
xdotool key g
wait_for snake_went_down || fail "G no longer steers player 1 after a new start"
xdotool key p
xdotool key alt+g
sleep 0.3
xdotool key e
wait_for_exit
echo "PASS"
