#!/usr/bin/env bash
# The real program on an ordinary screen: the start window "Start" appears,
# "Info" opens the about window, and "Esci" closes both and ends the program.
program="$1"
source "$(dirname "$0")/xsession.sh"

start_program "$program"

start=$(wait_for_window Start)
[ -n "$start" ] || fail "no window titled Start"
echo "start window: $start"

# Buttons at their places in the window (pixels): Info 100,256 77x37; Esci 348,256 77x37.
xdotool mousemove --window "$start" 138 274 click 1
about=$(wait_for_window Informazioni)
[ -n "$about" ] || fail "Info did not open the about window"
echo "about window: $about"

# The about window opens over the middle of the screen; bring the start
# window back on top, as a click on it would, before pressing "Esci".
xdotool windowraise "$start"
xdotool mousemove --window "$start" 386 274 click 1
expect_program_end
echo "PASS"
