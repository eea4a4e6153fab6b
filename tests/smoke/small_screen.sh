#!/usr/bin/env bash
# The real program on a 640 x 480 screen: it shows the "Avviso" message
# instead of the start window, and ends when the message is answered.
program="$1"
source "$(dirname "$0")/xsession.sh"

start_program "$program"

notice=$(wait_for_window Avviso)
[ -n "$notice" ] || fail "no window titled Avviso"
echo "message box: $notice"
if xdotool search --onlyvisible --name '^Start$' >/dev/null; then
    fail "the start window is shown on a 640 x 480 screen"
fi

xdotool windowfocus --sync "$notice"
xdotool key --clearmodifiers Return
expect_program_end
echo "PASS"
