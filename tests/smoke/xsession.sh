# Shared by the smoke tests: a private X display for the real program.
# Source it; it needs Xvfb and xdotool, and skips the test (exit 77) without them.

set -u

for tool in Xvfb xdotool timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

program_pid=""
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts Xvfb on a free display with the given screen (e.g. 1024x768x24, at
# 96 dots per inch) and points DISPLAY at it. Xvfb prints the display number
# once it accepts connections, so nothing has to wait by the clock.
start_display() {
    coproc XVFB { exec Xvfb -displayfd 1 -screen 0 "$1" -dpi 96 -nolisten tcp 2>/dev/null; }
    local number=""
    read -r -t 30 -u "${XVFB[0]}" number || fail "Xvfb did not start"
    export DISPLAY=":$number"
    export QT_QPA_PLATFORM=xcb
}

# Starts the program; it is stopped after 60 seconds if it has not ended.
start_program() {
    timeout 60 "$1" &
    program_pid=$!
}

# Prints the id of the visible window with exactly this title, waiting for it
# up to 30 seconds.
wait_for_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Waits for the program to end and fails unless it ended by itself, with 0.
expect_program_end() {
    local rc=0
    wait "$program_pid" || rc=$?
    program_pid=""
    [ "$rc" -eq 124 ] && fail "the program did not end"
    [ "$rc" -eq 0 ] || fail "the program ended with code $rc"
}
