#!/usr/bin/env bash
# Zoom and full screen on a 1920 x 1080 X server: Ctrl++ doubles the window
# and shows exactly the 1x picture with every pixel two by two; Ctrl+0 gives
# the specified window back; F11 during a game shows the picture three times
# as large, centred on black, with the game going on; Alt reaches the menus;
# Escape gives back the window where it was.
#   zoom_e2e.sh PATH_TO_COILRUN
E2E_SCREEN=1920x1080x24 source "$(dirname "$0")/x_session.sh" "$1"

# The window's geometry once it is WxH, waiting for it.
wait_for_size() {
  for _ in $(seq 50); do
    eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/NOW_/')"
    [[ "${NOW_WIDTH}x${NOW_HEIGHT}" == "$1" ]] && return 0
    sleep 0.1
  done
  fail "the window is ${NOW_WIDTH}x${NOW_HEIGHT}, not $1"
}
# The client area of the last screenshot, WxH+X+Y, saved as NAME.png.
keep_client() { convert "$work/shot.png" -crop "$2" +repage "$work/$1.png"; }
same_pictures() { [[ "$(compare -metric AE "$1" "$2" null: 2>&1)" == 0 ]]; }

wait_for_screen title_shown || fail "no title page at 1x"
keep_client one "512x356+$X+$Y"
one_x=$X one_y=$Y one_height=$HEIGHT

xdotool key ctrl+plus
wait_for_size "1024x$((712 + menu_bar))"
# The title page holds still between games: the 2x picture is the 1x one,
# every pixel two by two.
for _ in $(seq 20); do
  shoot
  eval "$(xdotool getwindowgeometry --shell "$window")"
  keep_client two "1024x712+$X+$((Y + menu_bar))"
  convert "$work/one.png" -sample 200% "$work/one-doubled.png"
  same_pictures "$work/one-doubled.png" "$work/two.png" && break
  sleep 0.1
done
same_pictures "$work/one-doubled.png" "$work/two.png" || fail "the 2x picture is not the 1x picture doubled"
# 3x and the menu bar are more than 1080 pixels high: the window stays
# as it is (given a moment in which it could wrongly grow).
xdotool key ctrl+plus
sleep 0.3
wait_for_size "1024x$((712 + menu_bar))"

xdotool key ctrl+0
wait_for_size "512x$one_height"
eval "$(xdotool getwindowgeometry --shell "$window")"
Y=$((Y + menu_bar))
before_x=$X before_y=$Y

start_game
xdotool key F11
wait_for_size 1920x1080
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ "$X,$Y" == 0,0 ]] || fail "full screen at $X,$Y"
# 3 x 512 = 1536 across and 3 x 356 = 1068 down, centred: 192 and 6 pixels
# of black each side. The BackShape's outline at (4, 4) is the three
# pixels from (204, 18), BackColor inside it from (207, 21).
X=192 Y=6
# The black border, the outline and BackColor inside it, once drawn.
border_corners=("-192 -6" "1727 1073" "-1 300" "1536 300" "700 -1" "700 1068")
full_screen_drawn() {
  local corner x y
  for corner in "${border_corners[@]}"; do
    read -r x y <<<"$corner"
    [[ "$(pixel "$x" "$y")" == "srgb(0,0,0)" ]] || return 1
  done
  [[ "$(pixel 12 12)" == "srgb(0,0,0)" && "$(pixel 14 14)" == "srgb(0,0,0)" && "$(pixel 15 15)" == "srgb(0,255,0)" ]]
}
if ! wait_for_screen full_screen_drawn; then
  for corner in "${border_corners[@]}"; do
    read -r x y <<<"$corner"
    [[ "$(pixel "$x" "$y")" == "srgb(0,0,0)" ]] || fail "the border at $corner is $(pixel "$x" "$y")"
  done
  fail "at 3x the outline is $(pixel 12 12) and $(pixel 14 14), BackColor $(pixel 15 15)"
fi
# The game goes on: the snake's row changes from one screenshot to the next.
cp "$work/shot.png" "$work/full-first.png"
moved=""
for _ in $(seq 50); do
  shoot
  if ! same_pictures "$work/full-first.png" "$work/shot.png"; then moved=yes && break; fi
  sleep 0.1
done
[[ -n "$moved" ]] || fail "the game stood still in full screen"
xdotool key p
cp "$work/shot.png" "$work/full-screen.png"

# Alt shows the menu bar over the picture; its Options menu opens.
xdotool key alt+o
wait_for_menu >/dev/null || fail "Alt+O opened no menu in full screen"
xdotool key Escape Escape
xdotool windowfocus --sync "$window"

# Escape, once the menus are closed, leaves full screen for the window as it was.
for _ in $(seq 20); do
  xdotool key Escape
  eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/NOW_/')"
  [[ "$NOW_WIDTH" == 512 ]] && break
  sleep 0.2
done
wait_for_size "512x$one_height"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ "$X,$((Y + menu_bar))" == "$before_x,$before_y" ]] || fail "back at $X,$Y, not $before_x,$before_y"

xdotool key alt+g
wait_for_menu >/dev/null || fail "Alt+G opened no menu"
xdotool key e
# A snake may have scored: the table asks for its name.
if box=$(wait_for_window '^High scores$' 3); then answer_name_box "$box" Zed; fi
wait_for_exit
grep -q "Zoom=1" "$work/data/coilrun.ini" || fail "coilrun.ini does not keep the zoom: $(cat "$work/data/coilrun.ini")"
echo "PASS"
