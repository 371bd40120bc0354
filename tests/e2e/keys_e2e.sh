#!/usr/bin/env bash
# Keys of one's own, on a private X server: player 1's keys set on Options >
# Keys from the keyboard alone, a game steered with them while the old
# cursor key does nothing, the game pausing when the window loses the focus,
# and the same keys steering again after the program starts anew.
#   keys_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

# A dialog by its title, waited for and focused.
focus_dialog() {
  dialog=$(wait_for_window "$1") || fail "no dialog \"$1\""
  focus "$dialog"
}
close_dialog() {
  xdotool key alt+c
  wait_until "$patience" window_gone "$1" || fail "Close left \"$1\" open"
  focus "$window"
}
# An item of a menu, by the access keys of both.
menu_item() {
  xdotool key "$1"
  wait_for_menu >/dev/null || fail "$1 opened no menu"
  xdotool key "$2"
}
# Player 1's white snake below the row it starts in; the target's white
# digit is far fewer pixels than one snake cell.
snake_went_down() { [[ "$(white_pixels "$(field_rows 3 29)")" -gt 100 ]]; }
snake_passed_column_20() { [[ "$(white_pixels "200x30+$((X + 6 + 200))+$((Y + 6))")" -gt 100 ]]; }
# The white inside of the pause box, centred on (250, 130) of the field.
pause_box_shows() { [[ "$(white_pixels "140x24+$((X + 6 + 180))+$((Y + 6 + 118))")" -gt 1500 ]]; }

# The slowest speed on the wrapping field, so that no wall ends the game
# before the checks are done, and no name asked for when a snake that ate a
# target scores at the exit. Qt reads the keys in turn, and an access key's
# click comes after those of the keys before it.
menu_item alt+o n
focus_dialog '^Options$'
xdotool key alt+r
close_dialog '^Options$'
menu_item alt+o o
focus_dialog '^Options$'
# Wrap, on at first, twice by its access key: it stays on and takes the
# focus, from which the slider is four Tabs on.
xdotool key alt+w alt+w Tab Tab Tab Tab Home
close_dialog '^Options$'

# Options > Keys opens with player 1's Left field focused: Space, the key,
# Tab to the next field. Left F, Up T, Right H, Down G.
menu_item alt+o k
focus_dialog '^Options$'
for key in f t h g; do
  xdotool key space "$key"
  [[ "$key" == g ]] || xdotool key Tab
done
close_dialog '^Options$'

start_game
xdotool key Down
wait_for_screen snake_passed_column_20 || fail "the snake did not run on along its row"
snake_went_down && fail "the cursor key still steers player 1"
xdotool key g
wait_for_screen snake_went_down || fail "G did not steer player 1 down"

# The focus goes to the bare screen: the game pauses.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
wait_for_screen pause_box_shows || fail "losing the focus did not pause the game"
focus "$window"

menu_item alt+g e
wait_for_exit
grep -q '^Player1Down=42$' "$work/data/coilrun.ini" || fail "coilrun.ini: $(cat "$work/data/coilrun.ini")"

# The program again, on the same files: G still steers player 1.
"$program" --data-dir "$work/data" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(wait_for_window '^coilrun$') || fail "no coilrun window the second time: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
Y=$((Y + menu_bar))
focus "$window"
start_game
xdotool key g
wait_for_screen snake_went_down || fail "G no longer steers player 1 after a new start"
xdotool key p
menu_item alt+g e
wait_for_exit
echo "PASS"
