#!/usr/bin/env bash
# One person against three computers, on a private X server: the seats set
# in the new game dialog, a game that runs to its end with the computers
# steering by themselves, and no box asking a computer for its name. Long
# and a closed field make the snakes die quickly at top speed, and the
# person presses Up again and again, running into the top edge at every
# start, so that the person's score stays 0 and never ranks: any name box
# would be a computer's.
#   computers_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

cp "$work/data/hscores.dat" "$work/first-hscores.dat"

# Options > Other: Wrap off, Long on, and the slider (after Long, Sounds and
# Music) at its end, Super fast. Qt reads the keys in turn, and an access
# key's click comes after those of the keys before it.
xdotool key alt+o
wait_for_menu >/dev/null || fail "Alt+O opened no menu"
xdotool key o
options=$(wait_for_window '^Options$') || fail "Options > Other showed no options dialog"
focus "$options"
xdotool key alt+w alt+l Tab Tab Tab End alt+c
wait_until "$patience" window_gone '^Options$' || fail "Close left the options open"
focus "$window"

# Four players; seats 2 to 4 computers at the first skill, Beginner.
xdotool key F2
dialog=$(wait_for_window '^New game$') || fail "F2 showed no new game dialog"
focus "$dialog"
# Four players' access key clicks its button a tenth of a second later,
# and only then are the seats of players 2 to 4 enabled: seat 2's choice
# shows "Human" in black once it is.
eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/DIALOG_/')"
dark_pixels() {
  convert "$work/shot.png" -crop "$1" +repage -fx 'r < 0.25 && g < 0.25 && b < 0.25' \
    -format '%[fx:round(mean*w*h)]' info:
}
seat_2_enabled() { [[ "$(dark_pixels "50x14+$((DIALOG_X + 80))+$((DIALOG_Y + 355))")" -gt 20 ]]; }
xdotool key alt+f
wait_for_screen seat_2_enabled || fail "four players did not enable the seats"
for seat in 2 3 4; do
  xdotool key "alt+$seat" Down Tab Home
done
shoot
cp "$work/shot.png" "$work/dialog.png"
xdotool key alt+s
wait_until "$patience" window_hidden "$dialog" '^New game$' || fail "the new game dialog stayed open"
focus "$window"

# How many pixels of a part of the screenshot have the colour; unlike
# pixels_of, white ones are not counted along.
exact_pixels() {
  convert "$work/shot.png" -crop "$2" +repage -fill black -opaque white -fill white -opaque "$1" \
    -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:
}
# The title page's picture has an outline of this colour, which nothing on
# the board has.
title_outline="srgb(43,27,23)"
title_page_shows() {
  shoot
  [[ "$(exact_pixels "$title_outline" "$(field_rows 0 29)")" -gt 500 ]]
}
wait_until "$patience" eval '! title_page_shows' || fail "the game did not start: $(cat "$work/game.log")"

boxes=0
computers_moved=0
deadline=$((SECONDS + 150))
while ((SECONDS < deadline)); do
  [[ -n "$(xdotool search --onlyvisible --name '^High scores$' 2>/dev/null || true)" ]] &&
    fail "a box asks for a name, and only computers could rank"
  box=$(xdotool search --onlyvisible --name '^coilrun$' 2>/dev/null | grep -vx "$window" | head -n1 || true)
  if [[ -n "$box" ]]; then
    # A death, a finished level, or the end of the game.
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Return
    boxes=$((boxes + 1))
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    continue
  fi
  xdotool key Up
  title_page_shows && break
  # Player 2's yellow snake starts heading left along row 28; only a snake
  # that steers leaves a trail higher up.
  [[ "$(exact_pixels yellow "$(field_rows 3 25)")" -gt 100 ]] && computers_moved=1
done
title_page_shows || fail "no end of the game after $boxes boxes in 150 s"
((computers_moved)) || fail "the computers' snakes never steered"
# Four players with five lives each: at least five plays ended in a death.
((boxes >= 5)) || fail "the game ended after $boxes boxes"
# The person was offered with 0, which ranks nowhere; no computer was.
cmp -s "$work/first-hscores.dat" "$work/data/hscores.dat" || fail "hscores.dat changed"

xdotool key alt+g
wait_for_menu >/dev/null || fail "Alt+G opened no menu"
xdotool key e
wait_for_exit
grep -q '^Player2=Computer' "$work/data/coilrun.ini" || fail "coilrun.ini keeps no seats: $(cat "$work/data/coilrun.ini")"
echo "PASS after $boxes boxes"
