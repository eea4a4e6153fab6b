#!/usr/bin/env bash
# Runs a command on a private X display (Xvfb) with its own session bus and
# accessibility bus, so that a test can drive the real program as a person
# would and read its windows as a screen reader does:
#   with-desktop.sh <command> [args...]
set -euo pipefail

if [[ -z "${WITH_DESKTOP_INNER:-}" ]]; then
    export WITH_DESKTOP_INNER=1
    exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

runtime=$(mktemp -d)
cleanup() {
    kill "${bus_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and tells it through a pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 30 display_number <&"$display_fd"
export DISPLAY=":$display_number"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!

export XDG_RUNTIME_DIR="$runtime"
export HOME="$runtime"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
export LANG=C.UTF-8
"$@"
