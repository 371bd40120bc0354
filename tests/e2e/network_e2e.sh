#!/usr/bin/env bash
# Two game windows on one machine: the first hosts a network game on
# 127.0.0.1, the second joins it, the host starts, both play the same game,
# and a Stop on the joining machine ends it on both, with no message box.
#   network_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

host_window=$window
port=$((30000 + RANDOM % 20000))

mkdir "$work/data2"
"$program" --data-dir "$work/data2" >"$work/game2.log" 2>&1 &
second_pid=$!
game_pid="$game_pid $second_pid"
join_window=""
for _ in $(seq 100); do
  join_window=$(xdotool search --onlyvisible --name '^coilrun$' 2>/dev/null | grep -v "^$host_window\$" | head -n1 || true)
  [[ -n "$join_window" ]] && break
  sleep 0.1
done
[[ -n "$join_window" ]] || fail "no second coilrun window: $(cat "$work/game2.log")"
# Side by side, so that neither covers the other's field: a screenshot of a
# covered window shows what lies on top of it.
xdotool windowmove --sync "$host_window" 0 0
xdotool windowmove --sync "$join_window" 512 0

# Each window's field, from one screenshot of both: the title page at
# first, the same picture whatever the report panel below it says.
host_field() { convert "$work/shot.png" -crop "500x300+6+$((menu_bar + 6))" +repage "$work/host-field.png"; }
join_field() { convert "$work/shot.png" -crop "500x300+518+$((menu_bar + 6))" +repage "$work/join-field.png"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
shoot
host_field
cp "$work/host-field.png" "$work/title-field.png"

# Game > Network game... on a window, then the connection's fields.
open_network_dialog() {
  xdotool windowfocus --sync "$1"
  xdotool key alt+g
  sleep 0.3
  xdotool key t
  local dialog
  dialog=$(visible_window '^Network game$')
  [[ -n "$dialog" ]] || fail "no network dialog"
  echo "$dialog"
}

host_dialog=$(open_network_dialog "$host_window")
xdotool windowfocus --sync "$host_dialog"
xdotool key alt+p ctrl+a
xdotool type "$port"
xdotool key alt+c

# The host's dialog stays open: the joiner's is the newest one.
xdotool windowfocus --sync "$join_window"
xdotool key alt+g
sleep 0.3
xdotool key t
join_dialog=""
for _ in $(seq 100); do
  join_dialog=$(xdotool search --onlyvisible --name '^Network game$' 2>/dev/null | grep -v "^$host_dialog\$" | head -n1 || true)
  [[ -n "$join_dialog" ]] && break
  sleep 0.1
done
[[ -n "$join_dialog" ]] || fail "no network dialog on the joining window"
xdotool windowfocus --sync "$join_dialog"
xdotool key alt+j alt+p ctrl+a
xdotool type "$port"
xdotool key alt+c

# Start is enabled once the joiner has its seat; both dialogs close when the
# game runs on both machines.
started=""
for _ in $(seq 100); do
  if xdotool search --onlyvisible --name '^Network game$' >/dev/null 2>&1; then
    xdotool windowfocus --sync "$host_dialog" 2>/dev/null && xdotool key alt+s
    sleep 0.2
  else
    started=yes
    break
  fi
done
[[ -n "$started" ]] || fail "the network game did not start on both windows"

# The snakes run on both machines: the fields leave the title page.
running=""
for _ in $(seq 50); do
  shoot
  host_field
  join_field
  if [[ "$(differing "$work/host-field.png" "$work/title-field.png")" != 0 &&
    "$(differing "$work/join-field.png" "$work/title-field.png")" != 0 ]]; then
    running=yes
    break
  fi
  sleep 0.1
done
[[ -n "$running" ]] || fail "no game on the fields"
cp "$work/host-field.png" "$work/first-host-field.png"
# ... and move on: the host's field changes beat by beat.
moving=""
for _ in $(seq 50); do
  shoot
  host_field
  if [[ "$(differing "$work/host-field.png" "$work/first-host-field.png")" != 0 ]]; then
    moving=yes
    break
  fi
  sleep 0.1
done
[[ -n "$moving" ]] || fail "the snakes do not move"

# The joining machine stops the game for everybody.
xdotool windowfocus --sync "$join_window"
xdotool key alt+g
sleep 0.3
xdotool key s
# Both fields return to the title page, and no message box says that
# anything went wrong.
titles=""
for _ in $(seq 50); do
  shoot
  host_field
  join_field
  if [[ "$(differing "$work/host-field.png" "$work/title-field.png")" == 0 &&
    "$(differing "$work/join-field.png" "$work/title-field.png")" == 0 ]]; then
    titles=yes
    break
  fi
  sleep 0.2
done
[[ -n "$titles" ]] || fail "the fields do not both show the title page after the game was stopped"
boxes=$(xdotool search --onlyvisible --name '^coilrun$' 2>/dev/null | wc -l)
[[ "$boxes" -eq 2 ]] || fail "$boxes windows named coilrun: a message box came up"
kill -0 "$second_pid" || fail "the joining program ended: $(tail -n 20 "$work/game2.log")"
echo PASS
