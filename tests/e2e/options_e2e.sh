#!/usr/bin/env bash
# The options dialog over a game in play, on a private X server: Options >
# Other by its access keys, Wrap changed in the paused game and the speed
# while it runs on, the report panel showing each at once, and settings.dat
# holding them after an orderly exit, not before.
#   options_e2e.sh PATH_TO_COILRUN
source "$(dirname "$0")/x_session.sh" "$1"

cp "$work/data/settings.dat" "$work/first-settings.dat"

# Options > Other by its access keys, waiting for the menu, then for the
# dialog, and focusing it.
open_other_page() {
  xdotool key alt+o
  wait_for_menu >/dev/null || fail "Alt+O opened no menu"
  xdotool key o
  options=$(wait_for_window '^Options$') || fail "Options > Other showed no options dialog"
  focus "$options"
}
# Close by its access key is clicked a tenth of a second after its key, so
# after any other button pressed by its access key before it.
close_options() {
  xdotool key alt+c
  wait_until "$patience" window_gone '^Options$' || fail "Close left the dialog open"
  focus "$window"
}

# Wrap by its access key leaves the focus on it; the slider comes after
# Long, Sounds and Music, and Home takes it to "Slow", End to "Fast". The
# dialog keeps its focus from one showing to the next.
to_slider=(Tab Tab Tab Tab)

# Between games the field stops wrapping and the game slows down.
open_other_page
xdotool key alt+w "${to_slider[@]}" Home
close_options

# One player on built-in level 1, running right along row 1 for the wall,
# and paused at once: however slow the machine, it does not get there
# before the field wraps again.
start_game
xdotool key p
wait_for_screen more_of_colour white "$(field_area 60 3 220 110)" 179 || fail "P showed no pause box"
cp "$work/shot.png" "$work/before.png"

# The report panel's wrap and speed values, screen coordinates.
wrap_value="44x14+$((X + 5 + 454))+$((Y + 313 + 2))"
speed_value="40x14+$((X + 5 + 460))+$((Y + 313 + 18))"
crop() { convert "$work/$1.png" -crop "$2" +repage "$work/$1-$3.png"; }
crop before "$wrap_value" wrap
crop before "$speed_value" speed
value_changed() { crop shot "$2" "$1" && differ "before-$1.png" "shot-$1.png"; }

open_other_page
xdotool key alt+w "${to_slider[@]}"
wait_for_screen value_changed wrap "$wrap_value" || fail "the report panel shows the old wrap behind the dialog"
close_options
xdotool key p

# The speed while the game runs on behind the dialog.
open_other_page
xdotool key End
wait_for_screen value_changed speed "$speed_value" || fail "the report panel shows the old speed behind the dialog"
cp "$work/shot.png" "$work/behind-dialog.png"

close_options
shoot
cp "$work/shot.png" "$work/after-close.png"
# The game goes on after the dialog: the screen changes twice, as the first
# change may be only the window painting again where the dialog was.
wait_for_change after-close.png && cp "$work/shot.png" "$work/later.png" && wait_for_change later.png ||
  fail "the game does not run after the dialog closed"
xdotool key p

for shot in behind-dialog after-close; do
  crop "$shot" "$wrap_value" wrap
  crop "$shot" "$speed_value" speed
done
differ behind-dialog-wrap.png after-close-wrap.png && fail "the wrap value changed after the dialog closed"
differ behind-dialog-speed.png after-close-speed.png && fail "the speed value changed after the dialog closed"
cmp -s "$work/first-settings.dat" "$work/data/settings.dat" || fail "settings.dat written before the exit"

# Exit offers the score of the game in play to the table: one that ranks
# (the snake may have eaten a target on its way) asks for the name first.
name_box_or_end() { window_shown '^High scores$' || program_ended; }
xdotool key alt+g
wait_for_menu >/dev/null || fail "Alt+G opened no menu"
xdotool key e
while wait_until "$patience" name_box_or_end && [[ -n "$found_window" ]]; do
  answer_name_box "$found_window" E2E
done
wait_for_exit
wrap=$(od -An -tu1 -j4 -N1 "$work/data/settings.dat" | tr -d ' ')
speed=$(od -An -tu1 -j16 -N1 "$work/data/settings.dat" | tr -d ' ')
[[ "$wrap" == 1 && "$speed" == 10 ]] || fail "settings.dat holds Wrap $wrap and Speed $speed"
echo "PASS"
