#!/usr/bin/env bash
# Runs a command on a private X display (Xvfb) with its own session bus and
# accessibility bus, so that a test can drive the real program as a person
# would and read its windows as a screen reader does:
#   [TEST_SCREEN=640x480x24] [WITH_WINDOW_MANAGER=1] with-desktop.sh <command> [args...]
# The screen is 1024 x 768 unless TEST_SCREEN says otherwise, at 96 dots per
# inch. WITH_WINDOW_MANAGER=1 starts openbox too, so windows get activated and
# framed as on a real desktop (a screen reader needs that).
set -euo pipefail

if [[ -z "${WITH_DESKTOP_INNER:-}" ]]; then
    export WITH_DESKTOP_INNER=1
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

runtime=$(mktemp -d)
cleanup() {
    kill "${wm_pid:-}" "${bus_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    # Xvfb removes its socket as it ends: let it finish before another test
    # may take the same display number.
    wait "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and tells it through a pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 "${TEST_SCREEN:-1024x768x24}" -dpi 96 -nolisten tcp \
    >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 display_number <&"$display_fd"
export DISPLAY=":$display_number"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
# The program asks for the accessibility bus as it starts, and then registers
# with the registry daemon on that bus; a registration the daemon is too slow
# to answer is lost for good. So have both ready first: ask the launcher for
# the bus's address, then ask the registry on that bus for its name, each
# again until it answers (a fresh bus may answer NoReply at first), for at
# most 30 seconds in all.
a11y_deadline=$((SECONDS + 30))
until a11y_address=$(dbus-send --session --print-reply=literal --reply-timeout=2000 \
    --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') &&
    [[ -n "$a11y_address" ]]; do
    ((SECONDS < a11y_deadline)) || { echo "with-desktop: no accessibility bus" >&2; exit 1; }
    sleep 0.2
done
until dbus-send --bus="$a11y_address" --print-reply --reply-timeout=2000 \
    --dest=org.a11y.atspi.Registry /org/a11y/atspi/accessible/root \
    org.freedesktop.DBus.Properties.Get string:org.a11y.atspi.Accessible string:Name \
    >/dev/null 2>&1; do
    ((SECONDS < a11y_deadline)) || { echo "with-desktop: the accessibility registry does not answer" >&2; exit 1; }
    sleep 0.2
done

export XDG_RUNTIME_DIR="$runtime"
export HOME="$runtime"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8
if [[ -n "${WITH_WINDOW_MANAGER:-}" ]]; then
    export GSETTINGS_BACKEND=memory
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
"$@"
