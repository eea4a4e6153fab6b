# Shared by the smoke tests, which run on the private X display that
# tests/support/with-desktop.sh gives them. Source it; it needs xdotool, and
# skips the test (exit 77) without it.

set -u

for tool in xdotool timeout; do
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
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
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
