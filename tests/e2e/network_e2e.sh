#!/usr/bin/env bash
# Two game windows on one machine: the first hosts a network game on
# 127.0.0.1, the second joins it, the host starts, both play the same game;
# while the joining machine's death box stays open the host waits for it,
# past the time that drops a silent machine; and a Stop on the joining
# machine ends the game on both, with no message box.
#   network_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

host_window=$window
port=$((30000 + RANDOM % 20000))

mkdir "$work/data2"
"$program" --data-dir "$work/data2" >"$work/game2.log" 2>&1 &
join_pid=$!
# The helpers follow the first program; the cleanup ends this one too.
xvfb_pid="$join_pid $xvfb_pid"

# A visible window whose title matches, other than the one given.
other_window_shown() {
  found_window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$2" | head -n1 || true)
  [[ -n "$found_window" ]]
}
# An open menu of the program with this process id.
menu_of_shown() {
  found_window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | grep -vx "$2" | head -n1 || true)
  [[ -n "$found_window" ]]
}

wait_until "$patience" other_window_shown '^coilrun$' "$host_window" ||
  fail "no second coilrun window: $(cat "$work/game2.log")"
join_window=$found_window
# Side by side, so that neither covers the other's field: a screenshot of a
# covered window shows what lies on top of it.
xdotool windowmove --sync "$host_window" 0 0
xdotool windowmove --sync "$join_window" 512 0

# Each window's field, from one screenshot of both: the title page at
# first, the same picture whatever the report panel below it says.
host_field() { convert "$work/shot.png" -crop "500x300+6+$((menu_bar + 6))" +repage "$work/host-field.png"; }
join_field() { convert "$work/shot.png" -crop "500x300+518+$((menu_bar + 6))" +repage "$work/join-field.png"; }
# Both windows are moved and drawn again before the picture is kept.
both_titles_shown() { host_field && join_field && ! differ host-field.png join-field.png && logo_in_field host-field.png; }
wait_for_screen both_titles_shown || fail "the two windows do not show the title page"
cp "$work/host-field.png" "$work/title-field.png"

# Wrap off on the host, whose options the game takes: the snakes run into
# the walls and die soon.
focus "$host_window"
xdotool key alt+o
wait_until "$patience" menu_of_shown "$game_pid" "$host_window" || fail "Alt+O opened no menu"
xdotool key o
options=$(wait_for_window '^Options$') || fail "Options > Other showed no options dialog"
focus "$options"
xdotool key alt+w alt+c
wait_until "$patience" window_gone '^Options$' || fail "Close left the options open"

# Game > Network game... on the window of the program with the process id;
# leaves the dialog in found_window.
open_network_dialog() {
  focus "$1"
  xdotool key alt+g
  wait_until "$patience" menu_of_shown "$2" "$1" || fail "Alt+G opened no menu"
  xdotool key t
  wait_until "$patience" other_window_shown '^Network game$' "${3:-none}" || fail "no network dialog"
}

open_network_dialog "$host_window" "$game_pid"
host_dialog=$found_window
focus "$host_dialog"
xdotool key alt+p ctrl+a
xdotool type "$port"
xdotool key alt+c

# The host's dialog stays open: the joiner's is the other one.
open_network_dialog "$join_window" "$join_pid" "$host_dialog"
join_dialog=$found_window
focus "$join_dialog"
xdotool key alt+j alt+p ctrl+a
xdotool type "$port"
xdotool key alt+c

# Start is enabled once the joiner has its seat; both dialogs close when the
# game runs on both machines.
started_on_both() {
  window_gone '^Network game$' && return 0
  timeout 2 xdotool windowfocus --sync "$host_dialog" 2>/dev/null && xdotool key alt+s
  return 1
}
wait_until "$patience" started_on_both || fail "the network game did not start on both windows"

# The snakes run on both machines: the fields leave the title page ...
both_left_title() {
  host_field
  join_field
  differ host-field.png title-field.png && differ join-field.png title-field.png
}
wait_for_screen both_left_title || fail "no game on the fields"
cp "$work/host-field.png" "$work/first-host-field.png"
# ... and move on: the host's field changes beat by beat.
host_moved() {
  host_field
  differ host-field.png first-host-field.png
}
wait_for_screen host_moved || fail "the snakes do not move"

# A death shows a box on both machines. Once the host's is closed, the host
# waits for the other with its name over the field, and still does after
# the 10 s that drop a silent machine: a machine in a box goes on talking.
box_of() {
  found_window=$(xdotool search --all --onlyvisible --pid "$1" --name '^coilrun$' 2>/dev/null | grep -vx "$2" | head -n1 || true)
  [[ -n "$found_window" ]]
}
wait_until "$patience" box_of "$game_pid" "$host_window" || fail "no death box on the host"
host_box=$found_window
wait_until "$patience" box_of "$join_pid" "$join_window" || fail "no death box on the joining machine"
join_box=$found_window
focus "$host_box"
xdotool key Return
wait_until "$patience" window_hidden "$host_box" '^coilrun$' || fail "Return left the host's box open"
# The notice is white on black at the top of the field, where only a
# snake's outline is ever dark.
host_waits() {
  host_field
  [[ "$(convert "$work/host-field.png" -crop 120x16+190+12 +repage -fx 'r < 0.1 && g < 0.1 && b < 0.1' \
    -format '%[fx:round(mean*w*h)]' info:)" -gt 1000 ]]
}
wait_for_screen host_waits || fail "the host does not say that it waits"
# Gone from two screenshots a moment apart, so that a shot taken while the
# window paints does not count.
host_stopped_waiting() { shoot && ! host_waits && sleep 0.3 && shoot && ! host_waits; }
wait_until 12 host_stopped_waiting && fail "the host stopped waiting while the other machine's box was open"
focus "$join_box"
xdotool key Return
wait_until "$patience" window_hidden "$join_box" '^coilrun$' || fail "Return left the joining machine's box open"
wait_until "$patience" host_stopped_waiting || fail "the host still waits after the box was closed"

# The joining machine stops the game for everybody.
focus "$join_window"
xdotool key alt+g
wait_until "$patience" menu_of_shown "$join_pid" "$join_window" || fail "Alt+G opened no menu on the joining window"
xdotool key s
# Both fields return to the title page, and no message box says that
# anything went wrong.
both_show_title() {
  host_field
  join_field
  ! differ host-field.png title-field.png && ! differ join-field.png title-field.png
}
wait_for_screen both_show_title || fail "the fields do not both show the title page after the game was stopped"
boxes=$(xdotool search --onlyvisible --name '^coilrun$' 2>/dev/null | wc -l)
[[ "$boxes" -eq 2 ]] || fail "$boxes windows named coilrun: a message box came up"
kill -0 "$join_pid" || fail "the joining program ended: $(tail -n 20 "$work/game2.log")"
echo PASS
