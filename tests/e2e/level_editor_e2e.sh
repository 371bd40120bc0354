#!/usr/bin/env bash
# The level editor in the real program with real mouse events: Game > Level
# editor, a rectangle of normal bricks dragged out, a door placed and its
# four cells picked, undo and redo, a play-test in the main window that
# hands back to the editor, a save, and a game on the saved file started
# from the new game dialog. The editor's field must show every brick in
# the colour the game gives it.
#   level_editor_e2e.sh PATH_TO_COILRUN PATH_TO_COILRUN_LEVELS
source "$(dirname "$0")/x_session.sh" "$1"
levels_tool=$2
main_x=$X
main_y=$Y
saved="$work/drawn.lvl"

# Waits for a window to leave the screen.
window_gone() {
  for _ in $(seq 50); do
    [[ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]] && return 0
    sleep 0.1
  done
  return 1
}
screen_pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
# The centre of a cell of the editor's field, and the colour shown there.
cell_at() { echo "$((field_x + (10 * $1 + 5) * scale)) $((field_y + (10 * $2 + 5) * scale))"; }
editor_cell() { screen_pixel $(cell_at "$1" "$2"); }
game_cell() { screen_pixel $((main_x + 6 + 10 * $1 + 5)) $((main_y + 6 + 10 * $2 + 5)); }
# Waits until the editor's cell shows the colour, or until it does not.
wait_for_editor_cell() {
  local x=$1 y=$2 colour=$3 want=$4
  for _ in $(seq 30); do
    shoot
    if [[ $want == is ]]; then [[ "$(editor_cell "$x" "$y")" == "$colour" ]] && return 0
    else [[ "$(editor_cell "$x" "$y")" != "$colour" ]] && return 0; fi
    sleep 0.1
  done
  fail "editor cell ($x, $y): wanted it $want $colour, found $(editor_cell "$x" "$y")"
}
focus_editor() { xdotool windowfocus --sync "$editor"; }
# An item of the main window's Game menu by its access key, once the menu
# shows: it is a window of its own.
game_menu_item() {
  xdotool windowfocus --sync "$window"
  xdotool key alt+g
  local menu=""
  for _ in $(seq 50); do
    menu=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx -e "$window" -e "${editor:-none}" |
      head -n1 || true)
    [[ -n "$menu" ]] && break
    sleep 0.1
  done
  [[ -n "$menu" ]] || fail "Alt+G opened no menu"
  xdotool key "$1"
}

green='srgb(0,255,0)'
door_colour='srgb(204,153,217)'

game_menu_item l
editor=$(wait_for_window 'coilrun level editor$' || true)
[[ -n "$editor" ]] || fail "Game > Level editor showed no editor: $(cat "$work/game.log")"
focus_editor

# The field is the largest area in the background colour, 500 x 300 at some
# scale, once the editor has painted its frame around it (a busy machine
# may show the window before that).
field_box() {
  shoot
  convert "$work/shot.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -fill black +opaque "$green" \
    -fill white -opaque "$green" -define connected-components:verbose=true -connected-components 4 null: |
    awk '$NF == "srgb(255,255,255)" && $4 > best { best = $4; box = $2 } END { print box }'
}
eval "$(xdotool getwindowgeometry --shell "$editor")"
box=""
scale=0
for _ in $(seq 50); do
  box=$(field_box)
  if [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
    scale=$((BASH_REMATCH[1] / 500))
    [[ $scale -ge 1 && "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}" == "$((500 * scale))x$((300 * scale))" ]] && break
  fi
  sleep 0.1
done
[[ -n "$box" ]] || fail "no field in the editor"
[[ $scale -ge 1 && "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}" == "$((500 * scale))x$((300 * scale))" ]] ||
  fail "the field is $box"
field_x=$((X + BASH_REMATCH[3]))
field_y=$((Y + BASH_REMATCH[4]))

# A rectangle of normal bricks, (10, 8) to (25, 18), dragged with the mouse.
xdotool key r 1
xdotool mousemove $(cell_at 10 8) mousedown 1
for cell in "14 10" "30 20" "25 18"; do
  xdotool mousemove $(cell_at $cell)
  sleep 0.05
done
xdotool mouseup 1
wait_for_editor_cell 10 8 "$green" is-not
wall=$(editor_cell 10 8)
[[ "$(editor_cell 30 20)" == "$green" ]] || fail "the rectangle's first shape stayed"
[[ "$(editor_cell 17 13)" == "$green" ]] || fail "the rectangle is filled"
[[ "$(xdotool getwindowname "$editor")" == *'*'* ]] || fail "the title shows no unsaved change"

# A door inside it, opening the side walls: one click places it, four pick its cells.
xdotool key p 2
xdotool mousemove $(cell_at 17 13) click 1
wait_for_editor_cell 17 13 "$door_colour" is
for cell in "10 12" "10 13" "25 12" "25 13"; do
  xdotool mousemove $(cell_at $cell) click 1
done
# Undo the four picks and the door, then redo them all.
xdotool key ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z
wait_for_editor_cell 17 13 "$green" is
[[ "$(editor_cell 10 8)" == "$wall" ]] || fail "undo went past the door"
xdotool key ctrl+shift+z ctrl+shift+z ctrl+shift+z ctrl+shift+z ctrl+shift+z
wait_for_editor_cell 17 13 "$door_colour" is

# Play-test: the editor steps aside for the main window's paused game.
xdotool key F9
window_gone 'coilrun level editor$' || fail "the editor stayed up for the play-test"
xdotool windowfocus --sync "$window"
for _ in $(seq 30); do
  shoot
  [[ "$(game_cell 10 8)" == "$wall" ]] && break
  sleep 0.1
done
[[ "$(game_cell 10 8)" == "$wall" ]] || fail "the play-test's wall is $(game_cell 10 8), the editor's $wall"
xdotool key p
game_menu_item s
editor=$(wait_for_window 'coilrun level editor$' || true)
[[ -n "$editor" ]] || fail "the editor did not come back after the play-test"
focus_editor
wait_for_editor_cell 17 13 "$door_colour" is

# Save as a stream file, through the save dialog.
xdotool key ctrl+s
dialog=$(wait_for_window '^Save level file$' || true)
[[ -n "$dialog" ]] || fail "Ctrl+S showed no save dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 10 "$saved"
xdotool key Return
for _ in $(seq 50); do
  [[ -s "$saved" ]] && break
  sleep 0.1
done
[[ -s "$saved" ]] || fail "nothing was saved"
shown=$("$levels_tool" show "$saved")
grep -qx 'door 17 13 10 12 10 13 25 12 25 13' <<<"$shown" || fail "the saved door: $shown"
[[ $(tr -cd '#' <<<"$shown" | wc -c) -eq 50 ]] || fail "the saved rectangle: $shown"
window_gone '^Save level file$' || fail "the save dialog stayed"
[[ "$(xdotool getwindowname "$editor")" != *'*'* ]] || fail "the title still shows unsaved changes"

# The saved file from the new game dialog: External, Open, the file, Start.
xdotool windowfocus --sync "$window"
xdotool key F2
dialog=$(wait_for_window '^New game$' || true)
[[ -n "$dialog" ]] || fail "F2 showed no new game dialog"
xdotool windowfocus --sync "$dialog"
# An access key clicks its button only a tenth of a second later; until then
# Open stays greyed and Tab would pass over it.
xdotool key alt+e
sleep 1
xdotool key Tab space
chooser=$(wait_for_window '^Open$' || true)
[[ -n "$chooser" ]] || fail "no file dialog from the new game dialog"
xdotool windowfocus --sync "$chooser"
xdotool type --delay 10 "$saved"
xdotool key Return
window_gone '^Open$' || fail "the file dialog stayed"
for _ in $(seq 10); do
  xdotool windowfocus --sync "$dialog" 2>/dev/null || break
  xdotool key alt+s
  window_gone '^New game$' && break
done
window_gone '^New game$' || fail "Start left the new game dialog open"
xdotool windowraise "$window"
xdotool windowfocus --sync "$window"
for _ in $(seq 30); do
  shoot
  [[ "$(game_cell 10 8)" == "$wall" && "$(game_cell 17 13)" == "$door_colour" ]] && break
  sleep 0.1
done
[[ "$(game_cell 10 8)" == "$wall" ]] || fail "the game on the saved file shows $(game_cell 10 8) for the wall"
[[ "$(game_cell 17 13)" == "$door_colour" ]] || fail "the game on the saved file shows $(game_cell 17 13) for the door"

# Game > Exit: nothing unsaved, nothing asked.
game_menu_item e
wait_for_exit
