# shellcheck shell=bash disable=SC2154  # program and locator come from the sourcing script
# Shared by the end-to-end sessions, sourced: a virtual X server of the
# session's own (optionally with a window manager), the real program on it
# with its accessibility bus on, controls found and read through that bus
# (atspi_session.py), and clicks at the places the locator prints where the
# pointer itself is under test. The sourcing script runs on a D-Bus session
# of its own, sets `program` (the humidity-calc binary) and, for clicks,
# `locator` (the GUI test binary, whose --print-centres says where the
# controls lie, so that the clicks follow the layout) and checks its tools
# with require_tools first.
#
# Every wait is bounded: a session fails instead of hanging.

# The main window's title, as a regular expression for xdotool.
main_title='^衡朴湿度\(带压力农历\)换算软件$'
# Attempts of an action whose effect is checked (focus, a copied text).
attempts=20
# Pause between the attempts, in seconds.
pause=0.1
# Seconds a window may take to appear; the sanitizer build starts slowly.
appear_timeout=60

work=$(mktemp -d)
failures=()
cleanup() {
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# A test runner's timeout ends the session with a signal: clean up then too.
trap 'exit 1' INT TERM
# Ends the session, saying first what went wrong before.
fail() {
    [ ${#failures[@]} -ne 0 ] && printf '%s\n' "${failures[@]}"
    echo "FAILED: $*"
    exit 1
}

# The session's own runtime directory, for the sockets of its buses and
# compositor, which sessions run side by side would otherwise share.
export XDG_RUNTIME_DIR=$work

# Exits with 77 (skipped) when a tool is missing.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 77; }
    done
}

# Reads the places of the comma-separated requests (see tests/gui/centres.h)
# into `place`: "x y" for a centre, "x y width height" for a rectangle.
declare -A place
read_places() {
    local name rest
    QT_QPA_PLATFORM=offscreen "$locator" "--print-centres=$1" >"$work/places" ||
        fail "the places of the controls could not be read"
    while read -r name rest; do
        place[$name]=$rest
    done <"$work/places"
}

start_xvfb() {
    # Xvfb picks a free display number and writes it to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    server_pid=$!
    # A test runner that times the session out kills this shell alone: the
    # server then goes too, and its clients with it.
    (
        while kill -0 $$ 2>/dev/null; do sleep 1; done
        kill "$server_pid" 2>/dev/null
    ) >/dev/null 2>&1 &
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep "$pause"
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
}

# Starts the accessibility bus on the session's own D-Bus session bus the
# way a desktop does, through the bus, whose first request for its address
# waits until it is ready. Exits with 77 when it or Python's access to it is
# missing.
start_accessibility_bus() {
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi-bus-launcher is missing"; exit 77; }
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "pyatspi is missing"; exit 77; }
    dbus-update-activation-environment XDG_RUNTIME_DIR || fail "the D-Bus session refused"
    timeout 30 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null || fail "the accessibility bus did not start"
}

start_program() {
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
    program_pid=$!
    window=$(find_window "$main_title")
    [ -n "$window" ] || fail "the main window did not appear"
}

# The first shown window of the program whose title matches.
find_window() {
    timeout "$appear_timeout" xdotool search --sync --all --onlyvisible --pid "$program_pid" \
        --name "$1" | head -n 1
}

# Gives the window the keyboard. Without a window manager only the input
# focus can be set; a window manager is asked to activate the window.
focus_window() {
    local target=$1 how=windowfocus
    [ -n "${wm_pid:-}" ] && how=windowactivate
    for _ in $(seq "$attempts"); do
        timeout 2 xdotool "$how" --sync "$target" 2>/dev/null && return 0
        sleep "$pause"
    done
    fail "window $target does not take the focus"
}

# Clicks at the place the locator printed for the request.
click() {
    # shellcheck disable=SC2086  # the place is two words, x and y
    xdotool mousemove --window "$window" ${place[$1]} click 1
}

# Runs atspi_session.py on the program, with a command on the control of a
# role and name if given.
atspi() {
    timeout 120 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi_session.py" \
        "$(basename "$program")" "$@"
}

# Gives the edit box of the name the keyboard and types over its text.
type_into() {
    atspi focus text "$1" || fail "the box '$1' does not take the focus"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 10 -- "$2"
}

# Reads the box's text, again until the expected text arrives or the
# attempts are used up.
expect_box() {
    local box=$1 expected=$2 shown=""
    for _ in $(seq "$attempts"); do
        shown=$(atspi text text "$box")
        [ "$shown" = "$expected" ] && return 0
        sleep "$pause"
    done
    failures+=("'$box' shows '$shown', expected '$expected'")
    return 1
}

# Fails with the failures recorded so far, if any.
report_failures() {
    [ ${#failures[@]} -eq 0 ] || fail "$1"
}

# Waits for the program to end and sets `status` to its exit code.
expect_exit() {
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep "$pause"
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after $1"
    wait "$program_pid"
    status=$?
    program_pid=
    echo "exit code: $status"
}
