#!/usr/bin/env bash
# The real program on a private X server: the window's frame and colours on
# the screen, a two-player game from the new game dialog, a real key press
# that turns a snake, pause, the Game menu following the game, Stop with the
# high score table, and an orderly exit that removes the sound files.
#   window_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

# The first start writes both files before anything reads them, and unpacks
# the sounds.
[[ -s "$work/data/settings.dat" && -s "$work/data/hscores.dat" ]] || fail "no settings.dat or hscores.dat at start"
sound_files=(001.wav 002.wav 003.wav 004.wav 005.wav 006.wav 999.mid)
for name in "${sound_files[@]}"; do
  [[ -s "$work/data/$name" ]] || fail "$name not unpacked at start: $(cat "$work/game.log")"
done
cp "$work/data/hscores.dat" "$work/first-hscores.dat"

# The Game menu is a window of its own while it is open; its height tells
# which items it shows: Pause and Stop during a game, New between games.
open_game_menu() {
  xdotool key alt+g
  menu=$(wait_for_menu) || fail "Alt+G opened no menu"
  eval "$(xdotool getwindowgeometry --shell "$menu" | sed 's/^/MENU_/')"
}

# The Game menu between games, closed again before the game starts.
open_game_menu
menu_between_games=$MENU_HEIGHT
xdotool key Escape
no_popup() { ! popup_shown; }
wait_until "$patience" no_popup || fail "Escape left the Game menu open"

# Two players: player 2's yellow snake starts at (40, 28) heading left.
# Below row 2 the only white is then the digit of the target, far less than
# one snake cell.
start_game alt+t
has_more_white "$(white_pixels "$(field_rows 3 29)")" 60 && fail "snake below row 2 before any key"
has_more_white "$(pixels_of yellow "$(field_rows 27 29)")" 100 || fail "no second player's snake in row 28"

[[ "$(pixel 4 4)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (4, 4) is $(pixel 4 4)"
[[ "$(pixel 5 5)" == "srgb(0,255,0)" ]] || fail "BackColor at (5, 5) is $(pixel 5 5)"
[[ "$(pixel 507 307)" == "srgb(0,0,0)" ]] || fail "BackShape outline at (507, 307) is $(pixel 507 307)"
[[ "$(pixel 4 312)" == "srgb(0,0,0)" ]] || fail "ReportShape outline at (4, 312) is $(pixel 4 312)"
[[ "$(pixel 5 313)" == "srgb(255,0,0)" ]] || fail "ReportColor at (5, 313) is $(pixel 5 313)"

# A real key turns the snake; P then pauses the game before the two snakes
# can meet: the pause box shows, and nothing moves any more.
xdotool key Down
wait_for_screen more_of_colour white "$(field_rows 3 29)" 200 || fail "the Down key did not turn the snake"
xdotool key p
# The top rows of the box, white from side to side.
wait_for_screen more_of_colour white "$(field_area 60 3 220 110)" 179 || fail "P showed no pause box"
cp "$work/shot.png" "$work/paused.png"
# About five beats at this speed.
sleep 0.5
shoot
differ paused.png shot.png && fail "the snakes move after P"

# The menu during the game.
open_game_menu
menu_in_game=$MENU_HEIGHT

# Game > Stop ends the game and offers both scores to the high score table:
# a score that ranks asks for the name (a snake may have eaten a target on
# its way), any other leaves the default table of the first start as it was.
# The title screen comes once every score was offered.
name_box_or_title() { window_shown '^High scores$' || shot_shows title_shown; }
xdotool key s
names_given=0
while true; do
  wait_until "$patience" name_box_or_title || fail "Stop led to neither a name box nor the title screen"
  [[ -n "$found_window" ]] || break
  ((names_given < 2)) || fail "a third name box for two players"
  answer_name_box "$found_window" "E2E$((names_given + 1))"
  names_given=$((names_given + 1))
done
focus "$window"
if ((names_given > 0)); then
  grep -q E2E "$work/data/hscores.dat" || fail "the names given after Stop are not in hscores.dat"
else
  cmp -s "$work/first-hscores.dat" "$work/data/hscores.dat" || fail "hscores.dat changed without a score that ranks"
fi
[[ "$(stat -c %s "$work/data/hscores.dat")" == 200 ]] || fail "hscores.dat is not ten rows of 20 bytes"

# The menu then offers New instead of Pause and Stop, as before the game.
open_game_menu
(( MENU_HEIGHT == menu_between_games && MENU_HEIGHT != menu_in_game )) ||
  fail "Game menu after Stop is ${MENU_HEIGHT} high, before the game ${menu_between_games}, during it ${menu_in_game}"

# Game > Exit closes the window and ends the program, saving the settings.
xdotool key e
wait_for_exit
[[ -s "$work/data/settings.dat" ]] || fail "no settings.dat after Exit"
for name in "${sound_files[@]}"; do
  [[ -e "$work/data/$name" ]] && fail "$name left behind after Exit"
done
echo "PASS"
